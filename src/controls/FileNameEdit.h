#pragma once

#include "controls/ButtonEdit.h"

#include <QFileDialog>
#include <QStringList>

enum TFileDialogKind { dkOpen, dkSave, dkOpenPicture, dkSavePicture };
enum TFileEditStyle { fsEdit, fsComboBox };
enum TOpenOption {
    ofReadOnly = 0x1,
    ofOverwritePrompt = 0x2,
    ofHideReadOnly = 0x4,
    ofAllowMultiSelect = 0x8,
    ofPathMustExist = 0x10,
    ofFileMustExist = 0x20,
};
using TOpenOptions = int;

// The base of edits that hold file or folder names: files dropped from the
// desktop and the hooks around the dialog.
class TPathEdit : public TCustomButtonEdit {
    Q_OBJECT
public:
    explicit TPathEdit(QWidget *parent = nullptr);

    bool AcceptFiles() const { return acceptDrops(); }
    void SetAcceptFiles(bool accept) { setAcceptDrops(accept); }
    bool MultipleFiles() const { return multipleFiles_; }

    // Linux paths have one form only: both give the name as it is.
    virtual QString GetLongName() const = 0;
    virtual QString GetShortName() const = 0;

signals:
    // Name and Action may be changed; a cleared Action stops the dialog or its result.
    void OnBeforeDialog(QString &name, bool &action);
    void OnAfterDialog(QString &name, bool &action);
    void OnDropFiles();

protected:
    virtual void ReceptFileDir(const QString &name) = 0;
    virtual void ClearFileList() {}

    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

    bool multipleFiles_ = false;
};

// An edit for one file name with a button that opens a file dialog.
class TFileNameEdit : public TPathEdit {
    Q_OBJECT
public:
    explicit TFileNameEdit(QWidget *parent = nullptr);

    // The text as a file name: a quoted name loses its quotes. Writing a name
    // that holds < > " [ ] or | throws EButtonEditError.
    QString FileName() const;
    void SetFileName(const QString &name);
    QString GetLongName() const override { return FileName(); }
    QString GetShortName() const override { return FileName(); }

    TFileDialogKind DialogKind() const { return dialogKind_; }
    void SetDialogKind(TFileDialogKind kind);
    QString DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const QString &ext) { defaultExt_ = ext; }
    // Filters in the form "Description|*.ext|Description|*.a;*.b".
    QString Filter() const { return filter_; }
    void SetFilter(const QString &filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    QString InitialDir() const { return initialDir_; }
    void SetInitialDir(const QString &dir) { initialDir_ = dir; }
    // The folder the dialog opens in: InitialDir when it exists, else the
    // folder last chosen in a file dialog, else the home folder.
    QString StartFolder() const;
    QStringList HistoryList() const { return history_; }
    void SetHistoryList(const QStringList &history) { history_ = history; }
    TOpenOptions DialogOptions() const { return options_; }
    void SetDialogOptions(TOpenOptions options);
    QString DialogTitle() const { return title_; }
    void SetDialogTitle(const QString &title) { title_ = title; }
    TFileEditStyle FileEditStyle() const { return editStyle_; }
    void SetFileEditStyle(TFileEditStyle style) { editStyle_ = style; }
    // The files chosen in the dialog or dropped, with MultipleFiles.
    QStringList Files() const { return files_; }

    // The dialog's Qt name filters for Filter ("*.*" matches every file here).
    static QStringList NameFilters(const QString &filter);
    static QString Quoted(const QString &name);

protected:
    void ButtonClick() override;
    QImage GetDefaultBitmap() const override;
    void ReceptFileDir(const QString &name) override;
    void ClearFileList() override { files_.clear(); }
    // Runs the dialog; a test may replace it.
    virtual bool ExecuteDialog(QString &name);

private:
    TFileDialogKind dialogKind_ = dkOpen;
    QString defaultExt_;
    QString filter_ = QStringLiteral("All files (*.*)|*.*");
    int filterIndex_ = 1;
    QString initialDir_;
    QStringList history_;
    TOpenOptions options_ = ofHideReadOnly;
    QString title_ = QStringLiteral("Browse");
    TFileEditStyle editStyle_ = fsEdit;
    QStringList files_;
};
