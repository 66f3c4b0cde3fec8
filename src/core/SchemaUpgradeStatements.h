#pragma once

#include <QString>

// The statements and scripts of the schema upgrade, one function per step
// (or per part of a step). Single statements carry no terminator; scripts
// are made for db::Script (";" terminator, "SET TERM" switches around the
// triggers). Lines are joined with "\n".
namespace kalvor::upgradesql {

QString userTables();
QString tableColumns(const QString &table);
QString indexCount(const QString &index);
QString procedureCount(const QString &procedure);

// Step 1.
QString createNalogValuta();
// Steps 2 to 11: each creates a group of tables with their generators,
// keys, indexes and triggers.
QString createBlPromet();
QString createBlPocStanje();
QString createAdPromet();
QString createOmd();
QString createVehicleRecords();   // VEVID, VZADUZENJA, VPOTROSNJA
QString createRelacije();         // RELACIJE, RDIONICA
QString createRSati();
QString createAPromet();          // APROMET, APZADUZ, APBROJ, RSTANICE
QString createDOdluka();          // DODLUKA, RELODLUKE
QString createDjNalog();

// "ALTER TABLE <table> " and, on the next line, the additions.
QString alterTable(const QString &table, const QString &additions);

QString createObracun();          // step 14, create branch
QString createBinTables();        // step 18, third action
QString addDjeAktKey();           // step 24, UTIP missing
QString addDjeAktRaskid();        // step 24, RASKID missing

QString createKmDjelatnik();      // step 28, script 1
QString createKmDjelatnik2();     // step 28, script 2
QString createKmDjelatnici();     // step 28, script 3
QString createGetKm2();           // step 29, script 1
QString alterKmDjelatnik2();      // step 29, script 2

} // namespace kalvor::upgradesql
