#include "report/expr/RpFunctions.h"

#include "report/expr/RpFunctionElements.h"

namespace {

const QString Vendor = QStringLiteral("Quarn");

} // namespace

void TRpLibrary::Add(TRpLibraryEntry entry)
{
    entries_.push_back(std::move(entry));
}

const TRpLibraryEntry *TRpLibrary::Find(const QString &name) const
{
    for (const TRpLibraryEntry &e : entries_)
        if (e.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

TRpFunctionLibrary::TRpFunctionLibrary()
{
    namespace F = RpFunctionElements;
    const struct {
        TRpFunctionFactory create;
        const char *name, *syntax, *explanation, *code;
    } functions[] = {
        {F::If, "IF", "IF(<Exp>, <X>, <Y>)", "Returns <X> or <Y> depending on the boolean expression <Exp>",
         "5BVV"},
        {F::Str, "STR", "STR(<X>)", "Convert a numeric <X> to a string", "7N"},
        {F::Upper, "UPPER", "UPPER(<X>)", "Converts a string to upper case letters", "7S"},
        {F::Lower, "LOWER", "LOWER(<X>)", "Converts a string to lower case letters", "7S"},
        {F::Pretty, "PRETTY", "PRETTY(<X>)", "Makes the first character upper case and the rest lower case",
         "7S"},
        {F::Time, "TIME", "TIME", "Return current time as a string", "1"},
        {F::Date, "DATE", "DATE", "Return current date as a string", "1"},
        {F::Copy, "COPY", "COPY(<X>, <St>,<Len>)", "Returns a substring of string X", "7SNN"},
        {F::Sum, "SUM", "SUM(<X>)", "Sums the numeric <X>", "3N"},
        {F::Count, "COUNT", "COUNT", "Increments for each iteration", "3"},
        {F::Max, "MAX", "MAX(<X>)", "Returns the highest <X>", "3V"},
        {F::Min, "MIN", "MIN(<X>)", "Returns the lowest <X>", "3V"},
        {F::Average, "AVERAGE", "AVERAGE(<X>)", "Returns the average of numeric <X>", "3N"},
        {F::TrueValue, "TRUE", "TRUE", "boolean value", "5"},
        {F::FalseValue, "FALSE", "FALSE", "boolean value", "5"},
        {F::Int, "INT", "INT(<X>)", "Returns the integer part of <X>", "2N"},
        {F::Frac, "FRAC", "FRAC(<X>)", "Returns the fractional part of <X>", "2N"},
        {F::Sqrt, "SQRT", "SQRT(<X>)", "Returns square root of <X>", "2N"},
        {F::Div, "DIV", "DIV(<X>, <Y>) ", " Integer division of <X> by <Y>", "2NN"},
        {F::TypeOf, "TYPEOF", "TYPEOF(<Exp>)", "Returns the data type of <Exp>", "6N"},
        {F::FormatNumeric, "FORMATNUMERIC", "FORMATNUMERIC(<F>,<N>)",
         "Formats numeric <N> using the mask in <F>", "7SN"},
    };
    for (const auto &f : functions)
        Add(TRpLibraryEntry{QString::fromLatin1(f.name),
                            QString::fromLatin1(f.syntax) + u'|' + QString::fromLatin1(f.explanation),
                            QString::fromLatin1(f.code), Vendor, f.create});
}

TRpFunctionLibrary &FunctionLibrary()
{
    static TRpFunctionLibrary library;
    return library;
}

void RegisterRpFunction(TRpFunctionFactory create, const QString &name, const QString &description,
                        const QString &argCode, const QString &vendor)
{
    FunctionLibrary().Add(TRpLibraryEntry{name, description, argCode, vendor, create});
}

std::unique_ptr<TRpEvElement> CreateRpFunction(const QString &name)
{
    const TRpLibraryEntry *entry = FunctionLibrary().Find(name);
    if (entry == nullptr || entry->Create == nullptr)
        return std::make_unique<TRpEvElementError>(QStringLiteral("Unknown function : %1").arg(name));
    return entry->Create();
}

QStringList RpFunctionCategories()
{
    return {QStringLiteral("All"),         QStringLiteral("Date & time"), QStringLiteral("Math & trig"),
            QStringLiteral("Statistical"), QStringLiteral("Database"),    QStringLiteral("Logical"),
            QStringLiteral("Information"), QStringLiteral("Other")};
}
