#include "exchange/AdifWriter.h"

#include "core/Log.h"
#include "platform/Cp1250.h"

QByteArray AdifFileHeader()
{
    // The Polish letters in line 2 also keep the file from ever passing for
    // UTF-8, so the reader takes it back as Windows-1250 whatever the QSOs hold.
    return Cp1250::fromUnicode(QStringLiteral("ADIF Export from Quarn\r\n"
                                              "Quarn - dziennik łączności stacji krótkofalarskiej\r\n"
                                              "Program dla systemu Linux, baza danych Firebird\r\n"
                                              "Tekst w kodzie Windows-1250, jedna łączność w wierszu\r\n"
                                              "\r\n"
                                              "<EOH>\r\n"));
}

AdifFileWriter::AdifFileWriter(const QString &fileName) : file_(fileName) {}

bool AdifFileWriter::Fail()
{
    error_ = QStringLiteral("Błąd zapisu pliku %1: %2").arg(file_.fileName(), file_.FailureCause());
    file_.cancelWriting();
    return false;
}

bool AdifFileWriter::Open()
{
    if (!file_.open(QIODevice::WriteOnly))
        return Fail();
    const QByteArray header = AdifFileHeader();
    if (file_.write(header) != header.size())
        return Fail();
    return true;
}

bool AdifFileWriter::WriteQso(const TLog &qso)
{
    QByteArray line = Cp1250::fromUnicode(qso.LogToAdif());
    line.append("\r\n");
    if (file_.write(line) != line.size())
        return Fail();
    return true;
}

bool AdifFileWriter::Commit()
{
    if (!file_.Commit())
        return Fail();
    return true;
}
