#pragma once
// A word the learner double-clicks in a course text is handed on through this hook; the course
// program shows it in the dictionary. Windows only find the word under the mouse.
#include <QPoint>
#include <QString>
#include <functional>
#include <string>

class QLabel;

namespace tess {

/// The word as the window shows it (bytes in the code page of the course language's text,
/// punctuation and all) and the screen point of the double-click. Empty: nothing is told.
using WordPicked = std::function<void(const std::string& word, QPoint globalPoint)>;

/// The blank-delimited word of `label`'s plain text under `point` (label coordinates), laid
/// out as the label lays out its text; empty away from every word.
QString LabelWordAt(const QLabel& label, QPoint point);

}  // namespace tess
