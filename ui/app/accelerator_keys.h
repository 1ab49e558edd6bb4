// Accelerator table entries as Qt key sequences.
#pragma once

#include <QKeySequence>

#include "accelerator_table.h"

// The key combination of entry: the virtual key with Ctrl, Shift and Alt as its flags say.
// A key code without a Qt counterpart gives an empty sequence.
QKeySequence AcceleratorKeySequence(const AcceleratorEntry& entry);
