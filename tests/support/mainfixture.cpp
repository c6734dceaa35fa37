#include "support/mainfixture.h"

#include "widgets/monthcalendar.h"

namespace dstest {

void MainFixture::pickDate(int d, int m, int y)
{
    child<ds::MonthCalendar>(dialog(), "Calendar1")->setDate(d, m, y);
    click(dialog(), "Command2");
}

void MainFixture::chooseDraw(int d, int m, int y)
{
    click(window.get(), "Command1");
    pickDate(d, m, y);
}

void MainFixture::chooseSelections(int d, int m, int y)
{
    click(window.get(), "Command2");
    pickDate(d, m, y);
}

void MainFixture::enterNumbers(const QStringList &seven, QWidget *form)
{
    typeBoxes(form ? form : dialog(), seven);
    click(form ? form : dialog(), "Command1");
}

} // namespace dstest
