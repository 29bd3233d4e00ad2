#pragma once
// A fresh folder under the temporary path, made the current directory for the
// life of the object, and removed with its files afterwards.
#include <windows.h>

#include <string>

#include "platform/files.h"  // fileExists

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
    std::string previous_;
};

// Whole-file helpers for test set-up and checks.
bool writeWholeFile(const std::string& name, const std::string& bytes);
std::string readWholeFile(const std::string& name);
