#include "core/ui/TAboutForm.h"

#include "core/Version.h"
#include "core/ui/Logo.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

namespace {
class LogoWidget : public QWidget
{
public:
    explicit LogoWidget(QWidget *parent) : QWidget(parent) { setFixedSize(280, 80); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        paintLogo(p, rect());
    }
};
} // namespace

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("O programu"));

    auto *logo = new LogoWidget(this);
    auto *version = new QLabel(kAboutVersion, this);
    version->setObjectName(QStringLiteral("version"));
    auto *contact = new QLabel(QStringLiteral("%1 - putni nalozi, dnevnice i blagajna\n%2\nkalvor.example")
                                   .arg(kProductName, kRightsNotice),
                               this);
    contact->setObjectName(QStringLiteral("contact"));
    contact->setAlignment(Qt::AlignCenter);
    auto *ok = new QPushButton(QStringLiteral("U redu"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);

    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    version->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addWidget(version);
    layout->addWidget(contact);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace kalvor
