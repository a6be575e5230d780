#include "StartUp.h"

ProgramWindows::ProgramWindows(MessageBoxes& boxes) : Form1(boxes), Form2(), Form3(boxes) {
    Form1.SetHelpWindow(&Form2);
    Form1.SetGraphWindow(&Form3);
    Form2.setAttribute(Qt::WA_QuitOnClose, false);
    Form3.setAttribute(Qt::WA_QuitOnClose, false);
    Form1.show();
}
