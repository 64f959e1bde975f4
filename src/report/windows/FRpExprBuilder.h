#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class DataSet;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QGridLayout;
class TCustomReport;
class TRpEvEnvironment;

// Helps to write an expression: inserts fields, function calls with their
// arguments, variables and operators at the cursor, and checks the result.
class TRpExpressionBuilder : public QDialog {
    Q_OBJECT
public:
    TRpExpressionBuilder(TCustomReport *report, TRpEvEnvironment *environment, QWidget *parent = nullptr);

    void SetHeading(const QString &heading);
    QString Expression() const; // as typed, line breaks included
    void SetExpression(const QString &expression);
    void InsertText(const QString &text);

    // Shows the check's message; a message box unless replaced.
    std::function<void(const QString &)> ShowMessage;

    QStackedWidget *Pages;
    // Main page.
    QWidget *MainPage;
    QLabel *HeadingLabel;
    QPlainTextEdit *Memo;
    QPushButton *FieldButton, *FunctionButton, *VariableButton, *ValidateButton, *ClearButton;
    std::vector<QPushButton *> OperatorButtons;
    QPushButton *OKButton, *CancelButton;
    // "Insert database field in expression".
    QWidget *FieldPage;
    QListWidget *DataSetList, *FieldList;
    QPushButton *FieldOK, *FieldCancel;
    // "Select function".
    QWidget *FunctionPage;
    QListWidget *CategoryList, *FunctionList;
    QLabel *SyntaxLabel, *ExplanationLabel;
    QPushButton *ContinueButton, *FunctionCancel;
    // "Enter parameters for function".
    QWidget *ParamPage;
    QLabel *ParamFunctionLabel;
    std::vector<QLabel *> ArgumentLabels;
    std::vector<QLineEdit *> ArgumentEdits;
    std::vector<QPushButton *> ArgumentBuilders;
    QPushButton *ParamOK, *ParamCancel;
    // "Select variable".
    QWidget *VariablePage;
    QListWidget *VariableList;
    QLabel *VariableValue;
    QPushButton *ModifyVariables, *VariableOK, *VariableCancel;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *BuildMainPage();
    QWidget *BuildFieldPage();
    QWidget *BuildFunctionPage();
    QWidget *BuildParamPage();
    QWidget *BuildVariablePage();
    void ShowMain();
    void FillFields();
    void FillFunctions();
    void ShowFunctionHelp();
    void ContinueFunction();
    void InsertField();
    void InsertFunction();
    void FillVariables();
    void ShowVariableValue();
    void InsertVariable();
    void Validate();
    TRpEvEnvironment *VariableEnvironment(int row, int &index) const;

    TCustomReport *report_;
    TRpEvEnvironment *environment_;
    std::vector<DataSet *> dataSets_;
    QGridLayout *paramGrid_ = nullptr;
    QString function_;
};

// Runs the builder with a heading (empty: "Enter expression:") on the
// expression; on OK the expression comes back without line breaks. With a
// parent control the builder is shown inside it, without a border.
bool ShowExpressionBuilder(const QString &heading, QString &expression, TCustomReport *report,
                           TRpEvEnvironment *environment, QWidget *parentControl = nullptr);
