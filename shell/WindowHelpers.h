#pragma once

#include <QString>

class QWidget;

// Border styles "raised", "sunken" and "framed"; any other text gives the heaviest border.
void SetFrameStyle(QWidget* window, const QString& style);
// Above all windows that are not kept on top; neither moves nor resizes it.
void MakeTopmost(QWidget* window);
// At the bottom of the window order; neither moves nor resizes it.
void SendToBottom(QWidget* window);
