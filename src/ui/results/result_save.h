#pragma once
// "結果保存": the hits of the last search with its conditions and the
// exclusions in force, saved into the folder RESULT under a name the user
// picks from the proposed one.

#include <functional>

#include <QString>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/except_flags.h"
#include "core/search/hits/result_store.h"

class QWidget;

namespace vk {

class UserMessages;

// Asks where to save: given the folder and the proposed file name, the
// chosen path, or an empty text when the user cancels. Tests answer it.
using SavePathChooser = std::function<QString(const QString& folder, const QString& proposedName)>;

// The save-file dialog: CSV files, extension "CSV" by default, asking before
// it overwrites a file.
SavePathChooser saveFileDialog(QWidget* parent);

struct SearchToSave {
    const Catalogue& catalogue;
    const SearchCondition& windowCondition;  // wanted skills in box order
    const ResultStore& hits;                 // search order
    const ExceptFlags& exclusions;
};

// Creates RESULT when it is missing, asks for the file, writes it crash-safe.
// Failures are told through `messages`; true when a file was written.
bool ResultSaveButtonClick(const SearchToSave& search, const SavePathChooser& choosePath, UserMessages& messages);

}  // namespace vk
