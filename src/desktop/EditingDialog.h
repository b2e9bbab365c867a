#pragma once

#include <QDialog>

// A window in which values are typed. Escape does not close it, as it closes none of the
// described windows: typed values are never lost by a key. The close box and the window's own
// buttons close it.
class EditingDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
