#include "reference/ui/TDrzavaBoravak.h"

#include "core/Amounts.h"
#include "core/Prompter.h"
#include "reference/StayLength.h"
#include "reference/ui/StayRateItemDelegate.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace kalvor {

namespace {

const QString kDateFormat = QStringLiteral("dd.MM.yyyy");
const QString kClockFormat = QStringLiteral("HH:mm");

QDateEdit *dateEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(kDateFormat);
    edit->setCalendarPopup(true);
    return edit;
}

QTimeEdit *timeEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QTimeEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(kClockFormat);
    return edit;
}

QLineEdit *numberEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(60);
    return edit;
}

QDateTime moment(const QDateEdit *date, const QTimeEdit *time)
{
    return QDateTime(date->date(), QTime(time->time().hour(), time->time().minute()));
}

void setMoment(QDateEdit *date, QTimeEdit *time, const QDateTime &value)
{
    date->setDate(value.date());
    time->setTime(value.time());
}

} // namespace

TDrzavaBoravak::TDrzavaBoravak(const QVector<StayRate> &rates, QWidget *parent)
    : QDialog(parent)
    , m_rates(rates)
    , m_country(new QComboBox(this))
    , m_amount(new QLineEdit(this))
    , m_currency(new QComboBox(this))
    , m_mode(new QComboBox(this))
    , m_pages(new QStackedWidget(this))
    , m_entryDate(dateEdit(QStringLiteral("entryDate"), this))
    , m_entryTime(timeEdit(QStringLiteral("entryTime"), this))
    , m_exitDate(dateEdit(QStringLiteral("exitDate"), this))
    , m_exitTime(timeEdit(QStringLiteral("exitTime"), this))
    , m_stayLength(new QLabel(this))
    , m_days(numberEdit(QStringLiteral("days"), this))
    , m_hours(numberEdit(QStringLiteral("hours"), this))
    , m_minutes(numberEdit(QStringLiteral("minutes"), this))
    , m_confirm(new QPushButton(QStringLiteral("Dodaj"), this))
    , m_cancel(new QPushButton(QStringLiteral("Otkaži"), this))
{
    setWindowTitle(QStringLiteral("Boravak u državi"));
    m_country->setObjectName(QStringLiteral("country"));
    m_country->setItemDelegate(new StayRateItemDelegate(m_country));
    for (const StayRate &rate : std::as_const(m_rates)) {
        m_country->addItem(rate.country);
        const int i = m_country->count() - 1;
        m_country->setItemData(i, rate.amount, StayRateItemDelegate::AmountRole);
        m_country->setItemData(i, rate.currency, StayRateItemDelegate::CurrencyRole);
    }
    QStringList currencies;
    for (const StayRate &rate : std::as_const(m_rates))
        if (!currencies.contains(rate.currency))
            currencies.append(rate.currency);
    currencies.sort();
    m_currency->setObjectName(QStringLiteral("currency"));
    m_currency->addItems(currencies);
    m_amount->setObjectName(QStringLiteral("amount"));
    m_amount->setAlignment(Qt::AlignRight);
    m_mode->setObjectName(QStringLiteral("mode"));
    m_mode->addItems({QStringLiteral("Ulaz i izlaz iz države"), QStringLiteral("Duljina boravka")});
    m_pages->setObjectName(QStringLiteral("modePages"));
    m_stayLength->setObjectName(QStringLiteral("stayLength"));
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);

    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(m_amount);
    amountRow->addWidget(m_currency);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Država:"), m_country);
    fields->addRow(QStringLiteral("Iznos dnevnice:"), amountRow);
    fields->addRow(QStringLiteral("Način unosa:"), m_mode);

    auto *entryPage = new QWidget(m_pages);
    auto *entryFields = new QFormLayout(entryPage);
    auto *entryRow = new QHBoxLayout;
    entryRow->addWidget(m_entryDate);
    entryRow->addWidget(m_entryTime);
    auto *exitRow = new QHBoxLayout;
    exitRow->addWidget(m_exitDate);
    exitRow->addWidget(m_exitTime);
    entryFields->addRow(QStringLiteral("Ulazak:"), entryRow);
    entryFields->addRow(QStringLiteral("Izlazak:"), exitRow);
    entryFields->addRow(QStringLiteral("Boravak:"), m_stayLength);
    auto *lengthPage = new QWidget(m_pages);
    auto *lengthRow = new QHBoxLayout(lengthPage);
    lengthRow->addWidget(m_days);
    lengthRow->addWidget(new QLabel(QStringLiteral("dana,"), lengthPage));
    lengthRow->addWidget(m_hours);
    lengthRow->addWidget(new QLabel(QStringLiteral("sati i"), lengthPage));
    lengthRow->addWidget(m_minutes);
    lengthRow->addWidget(new QLabel(QStringLiteral("minuta"), lengthPage));
    lengthRow->addStretch();
    m_pages->addWidget(entryPage);
    m_pages->addWidget(lengthPage);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    connect(m_country, &QComboBox::currentIndexChanged, this, &TDrzavaBoravak::countryChosen);
    connect(m_mode, &QComboBox::currentIndexChanged, m_pages, &QStackedWidget::setCurrentIndex);
    for (QDateEdit *date : {m_entryDate, m_exitDate})
        connect(date, &QDateEdit::dateChanged, this, &TDrzavaBoravak::updateStayLength);
    for (QTimeEdit *time : {m_entryTime, m_exitTime})
        connect(time, &QTimeEdit::timeChanged, this, &TDrzavaBoravak::updateStayLength);
    connect(m_days, &QLineEdit::editingFinished, this, &TDrzavaBoravak::leaveDays);
    connect(m_hours, &QLineEdit::editingFinished, this, &TDrzavaBoravak::leaveHours);
    connect(m_minutes, &QLineEdit::editingFinished, this, &TDrzavaBoravak::leaveMinutes);
    connect(m_confirm, &QPushButton::clicked, this, &TDrzavaBoravak::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_confirm->setEnabled(!m_rates.isEmpty());
    prepareAdd();
}

void TDrzavaBoravak::prepareAdd()
{
    m_confirm->setText(QStringLiteral("Dodaj"));
    const QDate today = QDate::currentDate();
    setMoment(m_entryDate, m_entryTime, QDateTime(today, QTime(8, 0)));
    setMoment(m_exitDate, m_exitTime, QDateTime(today, QTime(11, 0)));
    StayLength threeHours;
    threeHours.hours = 3;
    showLength(threeHours);
    setMode(LengthOfStay);
    m_country->setCurrentIndex(m_rates.isEmpty() ? -1 : 0);
    countryChosen(m_country->currentIndex());
}

void TDrzavaBoravak::prepareChange(const Stay &stay)
{
    m_confirm->setText(QStringLiteral("Promijeni"));
    const int index = m_country->findText(stay.country);
    m_country->setCurrentIndex(index >= 0 ? index : (m_rates.isEmpty() ? -1 : 0));
    m_amount->setText(FormatAmount(stay.amount));
    selectCurrency(stay.currency);
    if (stay.hasEntry()) {
        setMoment(m_entryDate, m_entryTime, FromDayNumber(stay.entry));
        setMoment(m_exitDate, m_exitTime, FromDayNumber(stay.exit));
        setMode(EntryAndExit);
    } else {
        showLength(StayLength::ofMinutes(DaysToMinutes(stay.duration)));
        setMode(LengthOfStay);
    }
}

void TDrzavaBoravak::setMode(Mode mode)
{
    m_mode->setCurrentIndex(mode);
    m_pages->setCurrentIndex(mode);
    updateStayLength();
}

void TDrzavaBoravak::countryChosen(int index)
{
    if (index < 0 || index >= m_rates.size()) {
        m_amount->clear();
        return;
    }
    m_amount->setText(FormatAmount(m_rates.at(index).amount));
    selectCurrency(m_rates.at(index).currency);
}

void TDrzavaBoravak::selectCurrency(const QString &currency)
{
    // A stay read from a text may carry a currency that no rate of the day
    // has; it is kept, so that changing the stay does not lose it.
    int index = m_currency->findText(currency);
    if (index < 0 && !currency.isEmpty()) {
        m_currency->addItem(currency);
        index = m_currency->count() - 1;
    }
    m_currency->setCurrentIndex(index);
}

void TDrzavaBoravak::updateStayLength()
{
    m_stayLength->setText(StayLengthText(moment(m_entryDate, m_entryTime), moment(m_exitDate, m_exitTime)));
}

StayLength TDrzavaBoravak::length() const
{
    StayLength length;
    length.days = ReadWholeNumber(m_days->text());
    length.hours = ReadWholeNumber(m_hours->text());
    length.minutes = ReadWholeNumber(m_minutes->text());
    return length;
}

void TDrzavaBoravak::showLength(const StayLength &length)
{
    m_days->setText(QString::number(length.days));
    m_hours->setText(QString::number(length.hours));
    m_minutes->setText(QString::number(length.minutes));
}

void TDrzavaBoravak::leaveDays()
{
    m_days->setText(QString::number(ReadWholeNumber(m_days->text())));
}

void TDrzavaBoravak::leaveHours()
{
    StayLength l = length();
    l.carryHours();
    m_days->setText(QString::number(l.days));
    m_hours->setText(QString::number(l.hours));
}

void TDrzavaBoravak::leaveMinutes()
{
    StayLength l = length();
    l.carryMinutes();
    showLength(l);
}

void TDrzavaBoravak::confirm()
{
    if (m_country->currentIndex() < 0)
        return;
    StayLength l = length();
    l.carryMinutes();
    showLength(l);
    const StayRate rate{m_country->currentText(), ParseAmount(m_amount->text()), m_currency->currentText()};
    if (m_mode->currentIndex() == EntryAndExit) {
        const QDateTime entry = moment(m_entryDate, m_entryTime);
        const QDateTime exit = moment(m_exitDate, m_exitTime);
        if (exit < entry) {
            Prompter::current().message(QStringLiteral("Pogrešan unos ulaska u državu i izlaska iz države!")
                                            + QLatin1Char('\n')
                                            + QStringLiteral("Prije spremanja podatak morate ispraviti unos."),
                                        Prompter::Kind::Warning);
            return;
        }
        m_stay = Stay::fromEntryExit(rate, entry, exit);
    } else {
        m_stay = Stay::ofLength(rate, MinutesToDays(l.totalMinutes()));
    }
    accept();
}

} // namespace kalvor
