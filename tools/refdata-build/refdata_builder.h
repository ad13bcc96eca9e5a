#pragma once

#include <filesystem>

#include "reference_schema.h"
#include "tsv_table.h"

namespace kelvara::refdata_build {

// A source the build cannot use; its message names the file and line.
using tsv::SourceError;

// Builds the reference files of `out_dir` from the sources of `data_dir`:
// - each file of ReferenceSchema() from data/<file>/<table>.tsv, with every
//   table created whether or not its source exists yet (no source: no rows);
// - shensha/<name>.txt in GBK from data/shensha/<name>.txt (UTF-8), an empty
//   file when there is no source.
// The output depends on the sources alone: the same sources give the same
// bytes. Every file is written under a temporary name and renamed into place,
// so a failed build leaves the previous files whole. Throws SourceError (a
// source is malformed or does not fit the schema) or std::runtime_error.
void BuildReferenceData(const std::filesystem::path& data_dir,
                        const std::filesystem::path& out_dir);

// One reference file; see BuildReferenceData.
void BuildReferenceFile(const FileDef& file,
                        const std::filesystem::path& data_dir,
                        const std::filesystem::path& out_dir);

// The seven spirit-star tables; see BuildReferenceData.
void BuildShenshaTables(const std::filesystem::path& data_dir,
                        const std::filesystem::path& out_dir);

}  // namespace kelvara::refdata_build
