// The program's entry point on Linux: the C runtime's main hands over to the
// program's own.
#include "app/ui/Application.h"
#include "app/ui/qt/ProgramArguments.h"

int main(int argc, char** argv) {
    ui::qt::KeepProgramArguments(argc, argv);
    return ui::ProgramMain(argc, argv);
}
