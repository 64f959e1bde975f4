#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class PagePicture;

// Writes a finished report's pages into a file of another format. The
// printer hands it the pages in order between BeginDoc and EndDoc; a filter
// raises an exception when it cannot write.
class TRpExportFilter {
public:
    explicit TRpExportFilter(QString fileName) : FileName(std::move(fileName)) {}
    virtual ~TRpExportFilter() = default;

    virtual void BeginDoc(int pageCount) { (void)pageCount; }
    virtual void NewPage(int pageNumber, const PagePicture &page) = 0;
    virtual void EndDoc() {}

    const QString FileName;
};

// A kind of export the preview's save dialog offers.
struct TRpExportFilterClass {
    QString Description;
    QString Extension; // without the dot
    std::function<std::unique_ptr<TRpExportFilter>(const QString &fileName)> Create;
};

// The export filters of the process, in the order they were registered.
class TRpExportFilterLibrary {
public:
    static TRpExportFilterLibrary &Instance();

    void Register(TRpExportFilterClass filter);
    void Unregister(const QString &description);
    int Count() const { return int(filters_.size()); }
    const TRpExportFilterClass &Filter(int index) const { return filters_.at(index); }

    // The save dialog's filter: the page file, then each export filter, as
    // "Description|patterns" pairs joined by "|".
    QString SaveDialogFilter() const;

private:
    QList<TRpExportFilterClass> filters_;
};
