#pragma once

#include <QString>

class QWidget;

// The first one-line label of the window and its child windows whose text is wider than the
// label, as "text needs N pixels of M"; empty when every line shows whole. Captions framed in
// dashes are centred rules whose dashes may run under the edges, so they are passed over.
QString firstCutLine(const QWidget* window);
