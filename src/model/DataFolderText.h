#pragma once

#include <string>

#include "model/CCVAccountList.h"
#include "model/CDataFolderFiles.h"

// The texts (UTF-8) that tell a person what happened to the data folder: why a save wrote
// nothing, which file a load left out, why the data could not be opened. The command line and
// the screens say the same.

// Why the last save wrote nothing, naming the file and the cause; or that it is saved but still
// to be finished (kPending). Empty for kNone.
std::string SaveFailureText(const CDataFolderFiles::Failure& failure);

// What a load found wrong with a file.
std::string FileProblemText(const CCVAccountList::FileProblem& problem);

// The cause of a file error (a code of platform/sys/WinErrors.h): "the disk is full", ...
std::string FileErrorCause(long error);

// Why the data of `folder` could not be opened for changing (CVModel::InitError), or empty for
// another code.
std::string OpenErrorText(int error, const std::string& folder);
