// The texts that the program shows or gives to a screen reader by name. With the string
// table (texts by id), the menu, the two dialog templates and the cursors' words, this folder
// holds every text of the game, each once. All are UTF-8. In a pattern, %1, %2, ... stand
// for the parts that FillText puts in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// pattern with every %1 .. %9 replaced by the part of that number, in one pass: a part is
// never searched again, so a file name holding "%2" stays as it is. A % that is not followed
// by the number of a given part is kept.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> parts);

// --- The game's message boxes ------------------------------------------------------------

inline constexpr const char* TEXT_CAPTURE_REFUSED =
    "Den können Sie nicht schlagen!\nDer ist in einer Pelvar!\n\nWollen Sie es nochmal versuchen?";
inline constexpr const char* TEXT_HUMAN_WINS = "Bist Du das, Tobrek?";
inline constexpr const char* TEXT_NO_MOVE =
    "Ich kann mich nicht mehr bewegen!\nLass mal neu anfangen.";
inline constexpr const char* TEXT_COMPUTER_WINS = "Tja, da hab' ich wohl dann gewonnen.";
inline constexpr const char* TEXT_ABORT_GAME = "Wollen Sie das aktuelle Spiel abbrechen?";
inline constexpr const char* TEXT_WHITE_WINS = "Weiss gewinnt!";
inline constexpr const char* TEXT_BLACK_WINS = "Schwarz gewinnt!";

// --- The options dialog's refusals -------------------------------------------------------

inline constexpr const char* TEXT_NOT_A_NUMBER = "Bitte geben Sie eine Zahl ein.";
inline constexpr const char* TEXT_OUT_OF_RANGE =
    "Bitte geben Sie eine Zahl zwischen 0.001 und 3600 ein.";

// --- The window: status bar, statistics line, files ----------------------------------------

// %1: the percentage, right-aligned in three characters.
inline constexpr const char* TEXT_PROGRESS = "Suche besten Zug %1 %";
// %1: search depth, %2: positions searched, %3 and %4: black's and white's scores. The
// trailing blanks overpaint a longer line that stood there before.
inline constexpr const char* TEXT_STATISTICS =
    "Hz: %1, Pos: %2, BS: %3, BW: %4                              ";
inline constexpr const char* TEXT_UNTITLED = "Unbenannt";
inline constexpr const char* TEXT_ALL_FILES = "Alle Dateien (*)";
// %1: the file's path, %2: the reason.
inline constexpr const char* TEXT_CANNOT_OPEN = "Die Datei „%1“ kann nicht geöffnet werden.\n%2";
inline constexpr const char* TEXT_CANNOT_SAVE = "Die Datei „%1“ kann nicht gespeichert werden.\n%2";
inline constexpr const char* TEXT_NO_SUCH_FILE = "Die Datei existiert nicht.";
inline constexpr const char* TEXT_NO_SUCH_FOLDER = "Der Ordner existiert nicht.";
inline constexpr const char* TEXT_IS_FOLDER = "Das ist ein Ordner, keine Datei.";
inline constexpr const char* TEXT_NOT_REGULAR = "Das ist keine gewöhnliche Datei.";
inline constexpr const char* TEXT_ACCESS_DENIED = "Der Zugriff wurde verweigert.";
inline constexpr const char* TEXT_READ_ONLY = "Der Datenträger ist schreibgeschützt.";
inline constexpr const char* TEXT_DISK_FULL = "Der Datenträger ist voll.";
inline constexpr const char* TEXT_CANNOT_READ = "Die Datei kann nicht gelesen werden.";
inline constexpr const char* TEXT_CANNOT_WRITE = "Die Datei kann nicht geschrieben werden.";

// --- The command line ----------------------------------------------------------------------

inline constexpr const char* TEXT_USAGE =
    "Aufruf: pelvar [DATEI]\n"
    "       pelvar --version | --help | -h\n"
    "\n"
    "Startet das Mühlespiel Pelvar. Eine angegebene DATEI wird geöffnet, aber nicht\n"
    "gelesen: das Spiel bleibt davon unberührt. Eine Datei namens -h wird als ./-h\n"
    "angegeben.\n"
    "\n"
    "  --version  zeigt die Versionsangaben\n"
    "  --help, -h zeigt diese Hilfe\n"
    "\n"
    "Ausführliche Anleitung: man pelvar\n";
inline constexpr const char* TEXT_OUTPUT_FAILED =
    "pelvar: Die Ausgabe ließ sich nicht schreiben.\n";
inline constexpr const char* TEXT_NO_DISPLAY =
    "pelvar: Keine Anzeige erreichbar: weder ein X-Server (DISPLAY) noch Wayland "
    "(WAYLAND_DISPLAY).\n";
inline constexpr const char* TEXT_NO_PLATFORM =
    "pelvar: Die Anzeige ließ sich nicht öffnen (QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY "
    "und WAYLAND_SOCKET prüfen).\n";

// --- What the screen reader hears ----------------------------------------------------------

inline constexpr const char* TEXT_BOARD_NAME = "Spielbrett";
// A point's content.
inline constexpr const char* TEXT_POINT_EMPTY = "leer";
inline constexpr const char* TEXT_POINT_WHITE = "weiß";
inline constexpr const char* TEXT_POINT_BLACK = "schwarz";
// A side as the subject of a sentence.
inline constexpr const char* TEXT_SIDE_WHITE = "Weiß";
inline constexpr const char* TEXT_SIDE_BLACK = "Schwarz";
// %1: a side, %2: its stones in hand, %3: its stones lost.
inline constexpr const char* TEXT_HAND = "%1: %2 in der Hand, %3 geschlagen";
// The human's task in each state; %1: the picked stone's point.
inline constexpr const char* TEXT_TASK_THINKING = "Der Computer denkt nach.";
inline constexpr const char* TEXT_TASK_PLACE = "Setzen Sie einen Stein auf einen freien Punkt.";
inline constexpr const char* TEXT_TASK_CAPTURE =
    "Schlagen Sie einen schwarzen Stein, der in keiner Pelvar steht.";
inline constexpr const char* TEXT_TASK_SELECT_SLIDE = "Wählen Sie einen Ihrer Steine zum Ziehen.";
inline constexpr const char* TEXT_TASK_SLIDE_TARGET =
    "Ziehen Sie den Stein von %1 auf einen freien Nachbarpunkt.";
inline constexpr const char* TEXT_TASK_SELECT_JUMP = "Wählen Sie einen Ihrer Steine zum Springen.";
inline constexpr const char* TEXT_TASK_JUMP_TARGET =
    "Springen Sie mit dem Stein von %1 auf einen freien Punkt.";
inline constexpr const char* TEXT_TASK_AUTOPLAY = "Der Computer spielt gegen sich selbst.";
// A side's move; %1 and %2: points, %1 of TEXT_MOVE_PLACE a list of them.
inline constexpr const char* TEXT_MOVE_PLACE = "setzt auf %1";
inline constexpr const char* TEXT_MOVE_SLIDE = "zieht von %1 nach %2";
inline constexpr const char* TEXT_MOVE_JUMP = "springt von %1 nach %2";
// A turn; %1: the side, %2: its move, %3: the points of the stones it captured.
inline constexpr const char* TEXT_TURN = "%1 %2.";
inline constexpr const char* TEXT_TURN_AND_CAPTURE = "%1 %2 und schlägt %3.";
inline constexpr const char* TEXT_CAPTURE_ALONE = "%1 schlägt %2.";
// The word before the last of several points: "a7, d7 und g7".
inline constexpr const char* TEXT_LIST_LAST = "und";
inline constexpr const char* TEXT_MILL_CLOSED = "Pelvar geschlossen.";
// %1: the point the stone went back to.
inline constexpr const char* TEXT_STONE_DROPPED = "Stein auf %1 zurückgelegt.";
inline constexpr const char* TEXT_NEW_GAME = "Neues Spiel.";
// %1: a side.
inline constexpr const char* TEXT_TO_MOVE = "%1 ist am Zug.";
inline constexpr const char* TEXT_LAST_TURNS = "Zuletzt:";
// Who plays which side, said with the first task of every game.
inline constexpr const char* TEXT_SIDES = "Sie spielen Weiß, der Computer Schwarz.";
// The board's keys, said with the first task of every game.
inline constexpr const char* TEXT_KEYS =
    "Tasten: Pfeile bewegen, Eingabe wählt, Escape legt zurück, Buchstabe und Ziffer springen "
    "zum Punkt, S Stand, P Stellung, W wiederholt, F10 Menü.";
// Where a side's stones stand; %1: the side, %2: its points, %3: its stones in hand.
inline constexpr const char* TEXT_POSITION_SIDE = "%1 auf %2, %3 in der Hand.";
inline constexpr const char* TEXT_POSITION_SIDE_NONE =
    "%1 ohne Stein auf dem Brett, %2 in der Hand.";
// Why a key on the board's focused point does nothing; %1: that point, %2: the picked stone's.
inline constexpr const char* TEXT_REFUSED_OCCUPIED = "%1 ist besetzt.";
inline constexpr const char* TEXT_REFUSED_NOT_BLACK = "Auf %1 steht kein schwarzer Stein.";
inline constexpr const char* TEXT_REFUSED_NOT_OWN = "Auf %1 steht keiner Ihrer Steine.";
inline constexpr const char* TEXT_REFUSED_NOT_NEIGHBOUR = "%1 ist kein Nachbarpunkt von %2.";
inline constexpr const char* TEXT_REFUSED_PICKED_ITSELF = "Der Stein steht schon auf %1.";
inline constexpr const char* TEXT_NOTHING_PICKED = "Kein Stein aufgenommen.";
// An arrow at the board's edge; %1: the arrow's direction.
inline constexpr const char* TEXT_EDGE = "Kein Punkt weiter %1.";
inline constexpr const char* TEXT_DIRECTION_LEFT = "links";
inline constexpr const char* TEXT_DIRECTION_RIGHT = "rechts";
inline constexpr const char* TEXT_DIRECTION_UP = "oben";
inline constexpr const char* TEXT_DIRECTION_DOWN = "unten";
// A typed point name; %1: the name as typed.
inline constexpr const char* TEXT_NOT_A_POINT = "%1 ist kein Punkt.";
inline constexpr const char* TEXT_POINT_NAME_HINT =
    "Ein Punkt heißt Buchstabe a bis g, dann Ziffer 1 bis 7.";
