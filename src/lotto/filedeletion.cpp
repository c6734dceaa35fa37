#include "lotto/filedeletion.h"

#include "lotto/mainwindow.h"

namespace ds {

FileMaintenanceController::FileMaintenanceController(MainWindow &main) : QObject(&main), m_main(main)
{
}

} // namespace ds
