#pragma once

class QWidget;

// Places a top-level window in the middle of the screen, as every window of the program opens.
// Called once its size is fixed; the window then keeps that place when shown.
void centreOnScreen(QWidget* window);
