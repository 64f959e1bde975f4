#include "controls/FileNameEdit.h"

#include "controls/DrawUtils.h"
#include "controls/FileUtils.h"
#include "platform/gui/DialogFolder.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QUrl>

namespace {

QStringList DroppedFiles(const QMimeData *data)
{
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            names.append(url.toLocalFile());
    return names;
}

// A name between double quotes loses them; blanks never split a name.
QString ClipFileName(const QString &text)
{
    const QString t = text.trimmed();
    if (!t.startsWith(u'"'))
        return t;
    const qsizetype end = t.indexOf(u'"', 1);
    return end < 0 ? t.mid(1) : t.mid(1, end - 1);
}

QString FolderOf(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    return slash < 0 ? QString() : slash == 0 ? QStringLiteral("/") : name.left(slash);
}

} // namespace

// ---------------------------------------------------------------- path edit

TPathEdit::TPathEdit(QWidget *parent) : TCustomButtonEdit(parent)
{
    setAcceptDrops(false);
}

void TPathEdit::dragEnterEvent(QDragEnterEvent *e)
{
    if (!DroppedFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void TPathEdit::dragMoveEvent(QDragMoveEvent *e)
{
    if (!DroppedFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void TPathEdit::dropEvent(QDropEvent *e)
{
    const QStringList names = DroppedFiles(e->mimeData());
    e->acceptProposedAction();
    if (names.isEmpty())
        return;
    ClearFileList();
    for (const QString &name : names) {
        try {
            ReceptFileDir(name);
        } catch (const EButtonEditError &) {
            Beep();
        }
        if (!multipleFiles_)
            break;
    }
    emit OnDropFiles();
}

// ---------------------------------------------------------------- file-name edit

TFileNameEdit::TFileNameEdit(QWidget *parent) : TPathEdit(parent)
{
    SetGlyphKind(gkDefault);
    creating_ = false;
}

QImage TFileNameEdit::GetDefaultBitmap() const
{
    // "FILEEDITBMP": an open folder.
    static const QImage bitmap = [] {
        QImage img(14, 12, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setPen(QColor(96, 64, 0));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(0, 3, 12, 8);
        p.drawRect(0, 1, 5, 2);
        p.setBrush(QColor(255, 232, 140));
        p.drawPolygon(QPolygon({QPoint(2, 5), QPoint(13, 5), QPoint(11, 11), QPoint(0, 11)}));
        return img;
    }();
    return bitmap;
}

QString TFileNameEdit::Quoted(const QString &name)
{
    return name.contains(u' ') && !name.startsWith(u'"') ? u'"' + name + u'"' : name;
}

QString TFileNameEdit::FileName() const
{
    if (!text().isEmpty() && QFileInfo::exists(text()))
        return text();
    return ClipFileName(text());
}

void TFileNameEdit::SetFileName(const QString &name)
{
    if (!name.isEmpty() && !IsValidFileName(ClipFileName(name)))
        throw EButtonEditError(QStringLiteral("Invalid file name - %1").arg(name).toStdString());
    setText(Quoted(name));
    ClearFileList();
}

void TFileNameEdit::SetDialogKind(TFileDialogKind kind)
{
    dialogKind_ = kind;
}

void TFileNameEdit::SetDialogOptions(TOpenOptions options)
{
    if (options == options_)
        return;
    options_ = options;
    multipleFiles_ = options & ofAllowMultiSelect;
    if (!multipleFiles_)
        ClearFileList();
}

void TFileNameEdit::ReceptFileDir(const QString &name)
{
    if (!multipleFiles_) {
        SetFileName(name);
        return;
    }
    if (files_.isEmpty())
        SetFileName(name);
    files_.append(name);
}

QStringList TFileNameEdit::NameFilters(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            if (p.trimmed() == u"*.*")
                p = QStringLiteral("*");
        QString description = parts[i];
        description.remove(trailingPatterns);
        result.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return result;
}

bool TFileNameEdit::ExecuteDialog(QString &name)
{
    QFileDialog dialog(this, title_, StartFolder());
    const bool save = dialogKind_ == dkSave || dialogKind_ == dkSavePicture;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!save)
        dialog.setFileMode(multipleFiles_               ? QFileDialog::ExistingFiles
                           : options_ & ofFileMustExist ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    if (!(options_ & ofOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (options_ & ofReadOnly)
        dialog.setOption(QFileDialog::ReadOnly);
    const QStringList filters = NameFilters(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(filterIndex_ - 1, filters.first()));
    }
    QString ext = defaultExt_;
    ext.remove(QRegularExpression(QStringLiteral("^\\*?\\.")));
    dialog.setDefaultSuffix(ext);
    dialog.setHistory(history_);
    if (!name.isEmpty())
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QStringList chosen = dialog.selectedFiles();
    name = chosen.first();
    if (multipleFiles_)
        files_ = chosen;
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    if (index >= 0)
        filterIndex_ = int(index) + 1;
    return true;
}

QString TFileNameEdit::StartFolder() const
{
    return !initialDir_.isEmpty() && IsDirectory(initialDir_) ? initialDir_ : DialogStartFolder();
}

void TFileNameEdit::ButtonClick()
{
    TPathEdit::ButtonClick();
    QString temp = FileName();
    bool action = true;
    emit OnBeforeDialog(temp, action);
    if (!action)
        return;
    if (IsValidFileName(temp)) {
        const QString folder = FolderOf(temp);
        if (!folder.isEmpty() && IsDirectory(folder))
            initialDir_ = folder;
        const QString namePart = temp.mid(temp.lastIndexOf(u'/') + 1);
        if (namePart.isEmpty() || !IsValidFileName(namePart))
            temp.clear();
    } else {
        temp.clear();
    }
    action = ExecuteDialog(temp);
    if (isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus();
    emit OnAfterDialog(temp, action);
    if (action) {
        setText(Quoted(temp));
        if (!FolderOf(temp).isEmpty()) {
            initialDir_ = FolderOf(temp);
            RememberDialogFolder(initialDir_);
        }
    }
}
