#include "awards/windows/FWczytajGminyFrm.h"
#include "awards/windows/FWczytajZamkiFrm.h"
#include "awards/windows/FWyznaczITUCQFrm.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"

#include <QPixmap>
#include <QPushButton>

// Pictures of the two list imports as opened and of the zone fill after a run.
// With QUARN_SCREENSHOT naming a PNG file X.png they are written as X-zamki.png,
// X-gminy.png and X-strefy.png; otherwise only their painting is checked.
TEST_F(DataModuleTest, ReferenceToolWindowsPicture)
{
    std::vector<QsoRow> rows = SampleQsos(40);
    for (size_t i = 0; i < rows.size(); i += 3)
        rows[i].Itu = 0;
    InsertQsos(dm->Baza, rows);

    TWczytajZamkiFrm zamki;
    zamki.show();
    TWczytajGminyFrm gminy;
    gminy.show();
    TWyznaczITUCQFrm strefy;
    strefy.show();
    strefy.StartBtn->click();

    QString base = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (base.endsWith(".png"))
        base.chop(4);
    for (auto [name, window] :
         {std::pair<const char *, QWidget *>{"zamki", &zamki}, {"gminy", &gminy}, {"strefy", &strefy}}) {
        const QPixmap picture = window->grab();
        ASSERT_FALSE(picture.isNull()) << name;
        if (!base.isEmpty()) {
            const QString file = base + '-' + name + ".png";
            EXPECT_TRUE(picture.save(file, "PNG")) << file.toStdString();
        }
    }
}
