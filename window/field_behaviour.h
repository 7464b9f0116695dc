#pragma once

class QComboBox;
class QLineEdit;

// How the pages' controls meet the mouse, beyond what Qt gives them.

// The combo box takes the wheel only while it has the focus, and a wheel over
// it no longer gives it the focus; elsewhere the wheel goes on to what lies
// under it. So scrolling past a list never changes the choice in it.
void takeWheelOnlyWithFocus(QComboBox* combo);

// While the edit is too narrow for its text, the text shows whole as its tooltip.
void showWholeTextAsToolTip(QLineEdit* edit);
