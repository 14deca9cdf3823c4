// The program as it starts for a user, reporting its first painted frame.
#include "first_frame.h"
#include "ui/main_window.h"
#include "ui/program.h"

int main(int argc, char* argv[])
{
    return RunProgram(argc, argv, [](MainWindow& window) { ReportFirstFrame(window); });
}
