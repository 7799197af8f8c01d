#pragma once
#include <string>
#include <string_view>

#include "files/imports/TextImport.h"

namespace zoriduvo {

class App;

// The layouts of the import dialog's option buttons.
enum class ImportLayout { None, ValuesOnly, WithCounts, Mirv };

struct ImportResult {
    enum Outcome {
        Imported,
        Refused,  // a rule of the dialog was not met (told)
        Failed,   // the file is missing, open already or unreadable (told)
    } outcome;
    int sheet = 0;
};

// The fields of the detailed layout dialog as typed.
struct DescribedFields {
    std::string skip = "0";
    bool groups = false;
    bool countsInFile = false;
    std::string cases;
    std::string variables;
    NameSource names = NameSource::Generated;
    bool types = false;
    NameSource caseNames = NameSource::Generated;
};

// The path rule of every import button: a path must be given ("ファイル名を指定して下さい。") and its
// file name must have a stem. Names of any length are taken. False when told otherwise.
bool CheckImportPath(App& app, const std::string& path);

// The import dialog's Run: the path rule, then the layout chosen with the counts typed (values only).
ImportResult RunImport(App& app, const std::string& path, ImportLayout layout, std::string_view casesText,
                       std::string_view variablesText);
// The detailed layout dialog's Run.
ImportResult RunDescribedImport(App& app, const std::string& path, const DescribedFields& fields);

// Reads the file in the layout given and builds its sheet; file problems are told.
ImportResult ImportTextTable(App& app, const std::string& path, const TextLayoutOptions& options, bool checkOpen);
ImportResult ImportMirvPair(App& app, const std::string& headerPath);

}  // namespace zoriduvo
