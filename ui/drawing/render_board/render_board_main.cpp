// pelvar-render-board OUT.png [scenario]: paints one of the scripted game situations as the
// board view would, into an image of 800 x 650 pixels on the window colour, and saves it.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "board_painter.h"
#include "board_scenarios.h"
#include "null_framework_services.h"
#include "pelvar_doc.h"

namespace {

constexpr int IMAGE_WIDTH = 800;
constexpr int IMAGE_HEIGHT = 650;

int Usage() {
    std::string strNames;
    for (const std::string& strName : ScenarioNames()) {
        strNames += (strNames.empty() ? "" : "|") + strName;
    }
    std::fprintf(stderr, "usage: pelvar-render-board OUT.png [%s]\n", strNames.c_str());
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        return Usage();
    }
    // Fonts need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    CNullFrameworkServices services;
    CPelvarDoc doc(services);
    const std::string strScenario = argc == 3 ? argv[2] : "start";
    if (!BuildScenario(strScenario, doc)) {
        return Usage();
    }

    QImage image(IMAGE_WIDTH, IMAGE_HEIGHT, QImage::Format_RGB32);
    image.fill(Qt::white);  // the view's background, the system window colour
    {
        QPainter painter(&image);
        PaintBoard(painter, doc);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "pelvar-render-board: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
