#pragma once

#include <QTextBrowser>

namespace tessary {

/// The program's help: the HTML document beside the program, whose topics are anchors named
/// by their context numbers ("256"). A window of its own over the main window (the parent);
/// Escape closes it.
class HelpWindow : public QTextBrowser {
public:
    explicit HelpWindow(QWidget* parent);

    /// Shows the window at `topic`: opened centred on the main window, raised where it stands
    /// when it is already open.
    void showTopic(int topic);

    /// The help document's path: "help/tessary.html" in the program's folder.
    static QString documentPath();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessary
