#pragma once

#include "core/Settings.h"
#include "reference/MultiCountryCalculator.h"
#include "reference/StayText.h"

#include <QDate>
#include <QDialog>
#include <QVector>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QTreeWidget;

namespace kalvor {

class RowTableModel;
class TDataModule1;

// "Obračun dnevnica za međunarodna putovanja (više država, prelazak kroz
// države...)": the stays of one journey in several countries and the
// allowances they give. The rates are those valid at the accounting date,
// read when the screen is shown.
//
// The travel order editor creates one with the order's accounting date,
// hands it the order's stay text and the order's allowance count of a whole
// journey (for the `DnevCorrect` correction), and takes stayText() when
// exec() returns Accepted ("Evidentiraj"). "Otkaži" rejects.
class TDKalk : public QDialog
{
    Q_OBJECT

public:
    // `SlovaValuta` and `DnevCorrect` are read from `settings`.
    explicit TDKalk(TDataModule1 &dm, const Settings &settings = Settings::current(), QWidget *parent = nullptr);

    void setAccountingDate(const QDate &date);
    // Replaces the stays with those of the text.
    void setStayText(const QString &text);
    void setJourneyAllowances(JourneyAllowances journeyAllowances);

    // The text given last, or after "Evidentiraj" the stays in list order.
    const QString &stayText() const { return m_stayText; }
    const QVector<Stay> &stays() const { return m_stays; }
    const QVector<StayRate> &rates() const { return m_rates; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void readRates();
    void setStays(const QVector<Stay> &stays, int current = -1);
    void clearResult();
    int currentStay() const;
    void updateActions();
    void showContextMenu(const QPoint &position);

    void addStay();
    void changeStay();
    void deleteStay();
    void moveStay(int step);
    void deleteAllStays();
    void calculate();
    void save();
    void load();
    void record();

    TDataModule1 &m_dm;
    const Settings &m_settings;
    QDate m_accountingDate;
    JourneyAllowances m_journeyAllowances;
    QString m_stayText;
    QVector<Stay> m_stays;
    QVector<StayRate> m_rates;

    RowTableModel *m_stayModel;
    QTableView *m_stayList;
    QTreeWidget *m_result;
    QCheckBox *m_grouping;
    QLabel *m_listedHours;
    QLabel *m_lineCount;
    QLabel *m_stayCount;
    QLabel *m_totalDuration;
    QLabel *m_allowanceCount;
    QLabel *m_totalKn;
    QLabel *m_totalEur;
    QLabel *m_totalUsd;
    QPushButton *m_add;
    QPushButton *m_calculate;
    QPushButton *m_save;
    QPushButton *m_load;
    QPushButton *m_record;
    QPushButton *m_cancel;
    QAction *m_deleteStay;
    QAction *m_moveUp;
    QAction *m_moveDown;
    QAction *m_deleteAll;
    QAction *m_changeStay;
};

} // namespace kalvor
