#include "DemoCompany.h"

#include "companygen/CompanyGenerator.h"

#include <QDate>

namespace kalvor {

void CreateDemoDatabase(const db::ConnectParams &params)
{
    using companygen::CompanyGenerator;
    using companygen::CompanyProfile;
    CompanyGenerator(CompanyProfile::of(CompanyProfile::Size::S, QDate::currentDate()), CompanyGenerator::kDemoSeed)
        .generate(params);
}

} // namespace kalvor
