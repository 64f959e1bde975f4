#pragma once

#include "controls/ProgressPacer.h"

#include <QDialog>
#include <QString>

class QHBoxLayout;
class QPushButton;

// A window whose job keeps it open: while the job runs (it still uses the
// window) Escape, the close button and reject() do nothing.
class TJobDialog : public QDialog {
    Q_OBJECT
public:
    explicit TJobDialog(QWidget *parent = nullptr);

    bool Running() const { return running_; }

public slots:
    void reject() override;

protected:
    // Marks the job as running for its lifetime, on every path out.
    class RunScope {
    public:
        explicit RunScope(TJobDialog &d) : d_(d) { d_.running_ = true; }
        ~RunScope() { d_.running_ = false; }
        RunScope(const RunScope &) = delete;
        RunScope &operator=(const RunScope &) = delete;

    private:
        TJobDialog &d_;
    };

    void closeEvent(QCloseEvent *e) override;

private:
    bool running_ = false;
};

// A window that runs one long job from its run button. While the job runs the
// window cannot be closed; after a normal end the run button turns into
// "&Zamknij", the cancel button goes, and the next click closes the window.
// Showing the window again brings the run caption back.
class TRunDialog : public TJobDialog {
    Q_OBJECT
public:
    explicit TRunDialog(QWidget *parent = nullptr);

protected:
    // The two buttons and the run caption; the run button's click is taken here.
    void SetRunButtons(QPushButton *run, QPushButton *cancel, const QString &runCaption);
    // Creates the run button (the default one) and "&Anuluj", takes them as
    // above and returns them in a row aligned to the right.
    QHBoxLayout *CreateRunButtons(const QString &runCaption, QPushButton *&run, QPushButton *&cancel);
    // Restores the run caption and the cancel button; subclasses reset their counters too.
    virtual void FormActivate();
    // The job itself; it marks its running part with a RunScope and calls
    // Finished after a normal end.
    virtual void Run() = 0;
    void Finished();

    void showEvent(QShowEvent *e) override;

private:
    void RunBtnClick();

    QPushButton *runBtn_ = nullptr;
    QPushButton *cancelBtn_ = nullptr;
    QString runCaption_;
};
