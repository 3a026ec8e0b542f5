// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

// A private copy of the built data folder: tests never touch the record.
inline void copyBuiltData(const QTemporaryDir& folder) {
  const QDir built(PENTARO_DATA_DIR);
  ASSERT_TRUE(built.exists("MCRC00.RCX")) << "no built data folder at " PENTARO_DATA_DIR;
  QDir(folder.path()).mkdir("Dati");
  for (const QString& f : built.entryList(QDir::Files))
    QFile::copy(built.filePath(f), folder.filePath("Dati/" + f));
}
