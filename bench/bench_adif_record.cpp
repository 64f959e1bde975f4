// ADIF record text of a QSO: records per second.

#include "core/Log.h"

#include <QElapsedTimer>
#include <cstdio>

int main()
{
    TLog log;
    log.Data = DateTime::fromDate(2003, 7, 14, 9, 5, 0);
    log.Pasmo.SetIndex(5);
    log.LogSetStacja("SP5ABC");
    log.LogSetEmisja("SSB");
    log.RaportNad = "59";
    log.RaportOdb = "57";
    log.Imie = "Jan";
    log.Notatki = QString::fromUtf8("Łączność z wyprawy");
    log.Lokator = "KO02MD";
    log.QslWys = true;
    log.Miasto = "Warszawa";
    log.LogSetKontynent("EU");
    log.LogSetItu(28);
    log.LogSetCq(15);

    const int count = 200000;
    qsizetype bytes = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        log.Data = log.Data.addSecs(61);
        bytes += log.LogToAdif().size();
    }
    const double secs = timer.nsecsElapsed() / 1e9;
    std::printf("LogToAdif: %d records in %.3f s = %.0f records/s (%lld characters)\n", count, secs,
                count / secs, (long long)bytes);
    return 0;
}
