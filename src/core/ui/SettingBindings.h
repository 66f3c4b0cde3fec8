#pragma once

#include <QList>
#include <QString>
#include <QVector>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;

namespace kalvor {

class ColorSwatch;
class CurrencyComboBox;
class Settings;

// The fields of the settings screen bound to their settings: load() shows
// the values of a Settings object in the fields, save() puts the field values
// back into it. A field's object name is the key of its setting.
class SettingBindings
{
public:
    void text(const QString &key, QLineEdit *edit);
    // A whole number in a text field; what the field holds is stored as the
    // setting's kind and fallbacks decide.
    void integer(const QString &key, QLineEdit *edit);
    // A number shown with FormatAmount and read back with ParseAmount.
    void amount(const QString &key, QLineEdit *edit);
    // A number shown as it is (decimal comma, no grouping).
    void plainNumber(const QString &key, QLineEdit *edit);
    void flag(const QString &key, QAbstractButton *box);
    // An integer setting chosen by one of several buttons: the index of the
    // checked button.
    void choice(const QString &key, const QList<QAbstractButton *> &buttons);
    // Flags of which at most one is on, each shown by one exclusive button.
    void exclusiveFlags(const QStringList &keys, const QList<QAbstractButton *> &buttons);
    // A text of lines separated by "\n".
    void lines(const QString &key, QPlainTextEdit *edit);
    void color(const QString &key, ColorSwatch *swatch);
    // A currency code chosen from the currency choice list. `firstWhenUnset`:
    // an empty or unknown code chooses the first currency.
    void currency(const QString &key, CurrencyComboBox *combo, bool firstWhenUnset);
    // Any other field with its own load and save.
    void custom(std::function<void(const Settings &)> load, std::function<void(Settings &)> save);

    void load(const Settings &settings) const;
    void save(Settings &settings) const;

private:
    struct Binding
    {
        std::function<void(const Settings &)> load;
        std::function<void(Settings &)> save;
    };
    QVector<Binding> m_bindings;
};

} // namespace kalvor
