#pragma once

#include <QTextBrowser>

namespace tessary {

/// The program's help: the HTML document beside the program, whose topics are anchors named
/// by their context numbers ("256").
class HelpWindow : public QTextBrowser {
public:
    explicit HelpWindow(QWidget* parent);

    /// Shows the window at `topic` (raised when it is already open).
    void showTopic(int topic);

    /// The help document's path: "help/tessary.html" in the program's folder.
    static QString documentPath();
};

}  // namespace tessary
