#pragma once

// The arguments the program was started with, kept by the entry point for
// the Qt application object, which reads its own options from them (and
// wants them for as long as it lives). Internal to the Qt backend.

namespace ui::qt {

void KeepProgramArguments(int argc, char** argv);

}  // namespace ui::qt
