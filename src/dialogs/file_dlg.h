#pragma once

#include <QFileDialog>

namespace tessary {

/// What the program's open and save dialogs share: Qt's own (non-native) controls with Russian
/// labels, the chosen path, and a folder memory for each kind: a dialog starts in the folder of
/// the last accepted choice of its kind, at first in a folder of its kind's own.
class CFileDlg : public QFileDialog {
    Q_OBJECT

public:
    enum class Kind {
        Open,  // pictures to play with; first in the sample pictures (see below)
        Save,  // captures of the field; first in the user's pictures folder (or home)
    };

    /// The sample pictures beside a portable copy of the program, where the picture open dialog
    /// starts; empty for an installed copy, whose open dialog starts in the player's own
    /// pictures folder, as its save dialog does.
    static QString SamplePicturesFolder();

    /// The chosen file after an accepted run; empty otherwise.
    QString selectedPath() const;

    /// Where the next dialog of `kind` starts.
    static QString StartFolder(Kind kind);

    void done(int result) override;

protected:
    CFileDlg(Kind kind, QWidget* parent);

private:
    Kind kind_;
};

}  // namespace tessary
