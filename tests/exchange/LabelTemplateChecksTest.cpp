#include "exchange/LabelTemplateChecks.h"

#include <gtest/gtest.h>

namespace {

using F = TLabelEditorField;

// A sheet of 3 x 8 labels of 7.0 x 3.7 cm: passes every check.
TLabelEditorValues Valid()
{
    TLabelEditorValues v;
    v.Nazwa = QStringLiteral("A4 3x8");
    v.Gorny = 0.5;
    v.Boczny = 0;
    v.Wysokosc = 3.7;
    v.Szerokosc = 7;
    v.OdstPoz = 7;
    v.OdstPion = 3.7;
    v.LiczbaPoz = 3;
    v.LiczbaPion = 8;
    return v;
}

struct Case {
    const char *what;
    std::function<void(TLabelEditorValues &)> change;
    const char *message; // nullptr: accepted
    F focus;
};

}

TEST(LabelTemplateChecks, EachCheckInItsOrderWithItsMessageAndFocus)
{
    const Case cases[] = {
        {"valid sheet", [](auto &) {}, nullptr, F::Nazwa},
        {"pitch equal to width", [](auto &v) { v.OdstPoz = v.Szerokosc = 7; }, nullptr, F::Nazwa},
        {"no margins", [](auto &v) { v.Gorny = 0, v.Boczny = 0; }, nullptr, F::Nazwa},
        {"top margin -1 cm", [](auto &v) { v.Gorny = -1; }, "Margines górny nie może być ujemny.", F::Gorny},
        {"side margin -0.01 cm", [](auto &v) { v.Boczny = -0.01; }, "Margines boczny nie może być ujemny.",
         F::Boczny},
        {"side margin -0.004 cm stored as 0", [](auto &v) { v.Boczny = -0.004; }, nullptr, F::Nazwa},
        // A margin comes after the lengths of the labels.
        {"negative margin and no width", [](auto &v) { v.Gorny = -1, v.Szerokosc = 0; },
         "Szerokość etykiety musi być podana.", F::Szerokosc},
        {"blank name", [](auto &v) { v.Nazwa = "   "; }, "Nazwa etykiety musi być podana.", F::Nazwa},
        {"name of 31 characters", [](auto &v) { v.Nazwa = QString(31, u'ż'); },
         "Nazwa etykiety nie może być dłuższa niż 30 znaków.", F::Nazwa},
        {"name of 30 characters", [](auto &v) { v.Nazwa = QString(30, u'ż'); }, nullptr, F::Nazwa},
        // The name comes first even when everything else is wrong too.
        {"all empty", [](auto &v) { v = TLabelEditorValues(); }, "Nazwa etykiety musi być podana.", F::Nazwa},
        {"no horizontal pitch", [](auto &v) { v.OdstPoz = 0, v.OdstPion = 0; },
         "Odstęp między etykietami w poziomie musi być podany.", F::OdstPoz},
        {"negative horizontal pitch", [](auto &v) { v.OdstPoz = -7; },
         "Odstęp między etykietami w poziomie musi być podany.", F::OdstPoz},
        {"horizontal pitch 6.39 cm", [](auto &v) { v.OdstPoz = 6.39, v.Szerokosc = 6.4; },
         "Odstęp między etykietami w poziomie nie może być mniejszy niż 64 mm.", F::OdstPoz},
        {"horizontal pitch below width", [](auto &v) { v.OdstPoz = 7, v.Szerokosc = 7.01; },
         "Odstęp między etykietami w poziomie musi być równy lub większy\rod szerokości etykiety.",
         F::OdstPoz},
        {"no vertical pitch", [](auto &v) { v.OdstPion = 0, v.Wysokosc = 0; },
         "Odstęp między etykietami w pionie musi być podany.", F::OdstPion},
        {"vertical pitch 2.39 cm", [](auto &v) { v.OdstPion = 2.39; },
         "Odstęp między etykietami w pionie nie może być mniejszy niż 24 mm.", F::OdstPion},
        {"vertical pitch 3.00 below height 3.50", [](auto &v) { v.OdstPion = 3, v.Wysokosc = 3.5; },
         "Odstęp między etykietami w pionie musi być równy lub większy\rod wysokości etykiety.", F::OdstPion},
        {"no height", [](auto &v) { v.Wysokosc = 0; }, "Wysokość etykiety musi być podana.", F::Wysokosc},
        {"height 2.39 cm under pitch 3.00", [](auto &v) { v.Wysokosc = 2.39, v.OdstPion = 3; },
         "Wysokość etykiety nie może być mniejsza niż 24 mm.", F::Wysokosc},
        {"no width", [](auto &v) { v.Szerokosc = 0; }, "Szerokość etykiety musi być podana.", F::Szerokosc},
        {"width 6.39 cm", [](auto &v) { v.Szerokosc = 6.39; },
         "Szerokość etykiety nie może być mniejsza niż 64 mm.", F::Szerokosc},
        // Judged as stored: 6.395 cm is kept as 640, 6.394 cm as 639.
        {"width 6.395 cm stored as 640", [](auto &v) { v.Szerokosc = 6.395; }, nullptr, F::Nazwa},
        {"width 6.394 cm stored as 639", [](auto &v) { v.Szerokosc = 6.394; },
         "Szerokość etykiety nie może być mniejsza niż 64 mm.", F::Szerokosc},
        {"pitch 7.004 stored equal to width 7.00", [](auto &v) { v.OdstPoz = 7, v.Szerokosc = 7.004; },
         nullptr, F::Nazwa},
        {"height 0.004 cm stored as nothing", [](auto &v) { v.Wysokosc = 0.004; },
         "Wysokość etykiety musi być podana.", F::Wysokosc},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TLabelEditorValues v = Valid();
        c.change(v);
        const auto failure = CheckLabelTemplate(v);
        if (!c.message) {
            EXPECT_FALSE(failure.has_value()) << failure->Message.toStdString();
            continue;
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->Message, QString::fromUtf8(c.message));
        EXPECT_EQ(failure->Focus, c.focus);
    }
}

TEST(LabelTemplateChecks, LengthsAreStoredInTenthsOfAMillimetreToTheNearest)
{
    const std::pair<double, int> cases[] = {
        {2.54, 254},
        {6.4, 640},
        {6.395, 640},
        {6.385, 639},
        {0.004, 0},
        {-1.005, -100},
        {-0.5, -50},
        // Beyond what an edit takes: still a number the column holds.
        {1e12, 999999},
        {-1e12, -999999},
    };
    for (const auto &[cm, stored] : cases)
        EXPECT_EQ(StoredLength(cm), stored) << cm;
    EXPECT_DOUBLE_EQ(ShownLength(254), 2.54);
}
