#include "core/ui/OptionTabStatus.h"

#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

OptionTabStatus::OptionTabStatus(SettingBindings &bindings, QWidget *parent) : QWidget(parent)
{
    auto *days = lineEdit(this);
    auto *km = lineEdit(this);
    auto *atStart = checkBox(QStringLiteral("Provjeri status pri pokretanju programa"), this);

    bindings.integer(QStringLiteral("BrojDanaDelta"), days);
    bindings.integer(QStringLiteral("BrojKmDelta"), km);
    bindings.flag(QStringLiteral("AutoStatus"), atStart);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Broj dana za signalizaciju:"), days);
    form->addRow(QStringLiteral("Granice km za signalizaciju:"), km);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(atStart);
    layout->addStretch();
}

} // namespace kalvor
