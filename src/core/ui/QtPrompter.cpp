#include "core/ui/QtPrompter.h"

#include "core/ui/TLoginDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace kalvor {

namespace {
QWidget *parentWindow()
{
    return QApplication::activeWindow();
}

QString title()
{
    return QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("Kalvor")
                                                            : QApplication::applicationDisplayName();
}
} // namespace

void QtPrompter::message(const QString &text, Kind kind)
{
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parentWindow(), title(), text);
        break;
    case Kind::Warning:
        QMessageBox::warning(parentWindow(), title(), text);
        break;
    case Kind::Error:
        QMessageBox::critical(parentWindow(), title(), text);
        break;
    }
}

bool QtPrompter::question(const QString &text)
{
    return QMessageBox::question(parentWindow(), title(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

QString QtPrompter::openFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), caption, folder, filter);
}

QString QtPrompter::openFileName(const QString &caption, const QString &folder, const QString &filter,
                                 const QString &selectedFilter)
{
    QString chosen = selectedFilter;
    return QFileDialog::getOpenFileName(parentWindow(), caption, folder, filter, &chosen);
}

QString QtPrompter::saveFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(parentWindow(), caption, folder, filter);
}

std::optional<QColor> QtPrompter::color(const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, parentWindow());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtPrompter::login(const QString &databaseName, QString &user, QString &password)
{
    TLoginDialog dialog(parentWindow());
    dialog.setDatabaseName(databaseName);
    dialog.setUserName(user);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    user = dialog.userName();
    password = dialog.password();
    return true;
}

} // namespace kalvor
