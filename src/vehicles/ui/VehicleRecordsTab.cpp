#include "vehicles/ui/VehicleRecordsTab.h"

#include "vehicles/VehicleListModel.h"
#include "vehicles/VehicleRepository.h"
#include "vehicles/ui/ListRows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>

namespace kalvor {

VehicleRecordsTab::VehicleRecordsTab(VehicleRepository &repository, QWidget *parent)
    : QWidget(parent)
    , m_repository(repository)
{
    m_model = new VehicleListModel(VehicleListModel::Layout::Selector, this);
    m_selector = new QTableView(this);
    m_recordTabs = new QTabWidget(this);

    m_selector->setObjectName(QStringLiteral("vehicleSelector"));
    m_selector->setModel(m_model);
    m_selector->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_selector->setSelectionMode(QAbstractItemView::SingleSelection);
    m_selector->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_selector->verticalHeader()->hide();
    m_selector->horizontalHeader()->setStretchLastSection(true);
    m_recordTabs->setObjectName(QStringLiteral("recordTabs"));

    auto *row = new QHBoxLayout(this);
    row->addWidget(m_selector, 1);
    row->addWidget(m_recordTabs, 3);

    connect(m_selector->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const int id = selectedVehicle();
        if (id != m_lastEmitted) {
            m_lastEmitted = id;
            emit selectedVehicleChanged(id);
        }
    });
}

void VehicleRecordsTab::refresh(bool onlyActive)
{
    const int row = vehiclesui::currentRow(m_selector);
    const int key = m_model->keyAt(row);
    m_model->setRows(m_repository.selectorList(onlyActive));
    const int found = m_model->rowOfKey(key);
    vehiclesui::setCurrentRow(m_selector, found >= 0 ? found : row);
    const int id = selectedVehicle();
    if (id != m_lastEmitted) {
        m_lastEmitted = id;
        emit selectedVehicleChanged(id);
    }
}

int VehicleRecordsTab::selectedVehicle() const
{
    return m_model->keyAt(vehiclesui::currentRow(m_selector));
}

} // namespace kalvor
