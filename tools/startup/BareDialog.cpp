// The least a Qt program does to show a dialog: one window with a caption and a button, closed
// by Escape. KorTools' launcher start-up is measured against it.
#include <QApplication>
#include <QDialog>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare Dialog"));
    QPushButton button(QStringLiteral("Close"), &dialog);
    QObject::connect(&button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
