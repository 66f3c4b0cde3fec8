#include "core/ui/SettingBindings.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "core/ui/ColorSwatch.h"
#include "core/ui/CurrencyComboBox.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kalvor {

void SettingBindings::text(const QString &key, QLineEdit *edit)
{
    edit->setObjectName(key);
    if (const Settings::Key *k = Settings::find(key); k && k->maxLength > 0)
        edit->setMaxLength(k->maxLength);
    custom([=](const Settings &s) { edit->setText(s.text(key)); },
           [=](Settings &s) { s.set(key, edit->text()); });
}

void SettingBindings::integer(const QString &key, QLineEdit *edit)
{
    edit->setObjectName(key);
    custom([=](const Settings &s) { edit->setText(s.value(key).toString()); },
           [=](Settings &s) { s.set(key, edit->text()); });
}

void SettingBindings::amount(const QString &key, QLineEdit *edit)
{
    edit->setObjectName(key);
    custom([=](const Settings &s) { edit->setText(FormatAmount(s.number(key))); },
           [=](Settings &s) { s.set(key, ParseAmount(edit->text())); });
}

void SettingBindings::plainNumber(const QString &key, QLineEdit *edit)
{
    edit->setObjectName(key);
    custom([=](const Settings &s) {
               edit->setText(QString::number(s.number(key), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(',')));
           },
           [=](Settings &s) { s.set(key, ParseAmount(edit->text())); });
}

void SettingBindings::flag(const QString &key, QAbstractButton *box)
{
    box->setObjectName(key);
    custom([=](const Settings &s) { box->setChecked(s.flag(key)); },
           [=](Settings &s) { s.set(key, box->isChecked() ? 1 : 0); });
}

void SettingBindings::choice(const QString &key, const QList<QAbstractButton *> &buttons)
{
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setObjectName(key + QLatin1Char('_') + QString::number(i));
    custom(
        [=](const Settings &s) {
            const int index = s.integer(key);
            if (index >= 0 && index < buttons.size())
                buttons[index]->setChecked(true);
        },
        [=](Settings &s) {
            for (int i = 0; i < buttons.size(); ++i)
                if (buttons[i]->isChecked())
                    s.set(key, i);
        });
}

void SettingBindings::exclusiveFlags(const QStringList &keys, const QList<QAbstractButton *> &buttons)
{
    for (int i = 0; i < keys.size(); ++i)
        buttons[i]->setObjectName(keys[i]);
    custom(
        [=](const Settings &s) {
            for (int i = 0; i < keys.size(); ++i) {
                if (s.flag(keys[i])) {
                    buttons[i]->setChecked(true);
                    return;
                }
            }
            // None is on: no button is checked, which an exclusive group
            // allows only while it is not exclusive.
            for (QAbstractButton *b : buttons) {
                b->setAutoExclusive(false);
                b->setChecked(false);
                b->setAutoExclusive(true);
            }
        },
        [=](Settings &s) {
            for (int i = 0; i < keys.size(); ++i)
                s.set(keys[i], buttons[i]->isChecked() ? 1 : 0);
        });
}

void SettingBindings::lines(const QString &key, QPlainTextEdit *edit)
{
    edit->setObjectName(key);
    custom([=](const Settings &s) { edit->setPlainText(s.text(key)); },
           [=](Settings &s) { s.set(key, edit->toPlainText()); });
}

void SettingBindings::color(const QString &key, ColorSwatch *swatch)
{
    swatch->setObjectName(key);
    custom([=](const Settings &s) { swatch->setColor(settingColor(s.integer(key))); },
           [=](Settings &s) { s.set(key, settingColorValue(swatch->color())); });
}

void SettingBindings::currency(const QString &key, CurrencyComboBox *combo, bool firstWhenUnset)
{
    combo->setObjectName(key);
    custom(
        [=](const Settings &s) {
            combo->setCurrentCode(s.text(key));
            if (combo->currentIndex() < 0 && firstWhenUnset && combo->count() > 0)
                combo->setCurrentIndex(0);
        },
        [=](Settings &s) {
            // Without a currency list (no database) the stored code stays.
            if (combo->count() > 0)
                s.set(key, combo->currentCode());
        });
}

void SettingBindings::custom(std::function<void(const Settings &)> load, std::function<void(Settings &)> save)
{
    m_bindings.append({std::move(load), std::move(save)});
}

void SettingBindings::load(const Settings &settings) const
{
    for (const Binding &b : m_bindings)
        b.load(settings);
}

void SettingBindings::save(Settings &settings) const
{
    for (const Binding &b : m_bindings)
        b.save(settings);
}

} // namespace kalvor
