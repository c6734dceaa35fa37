#include "lotto/drawhistorywindow.h"

#include "lotto/mainwindow.h"

namespace ds {

DrawHistoryController::DrawHistoryController(MainWindow &main) : QObject(&main), m_main(main)
{
}

} // namespace ds
