// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// An output is written under a part name in its folder and gets its final
// name only when it is complete, so a crash, a kill or a power cut never
// leaves a cut-off file under a name that looks finished. Names carry no
// folder part; `extension` is the output's (with its dot, "" for none) and
// each name given ends in it.

// The part name of an output: the extension stays last, since FFmpeg picks
// some formats by it ("clip.mp3" gives "clip.kinovert-part.mp3"). Made from
// the final name alone, so every program converting into the folder finds
// it; a name too long for the file system keeps its start and a hash.
std::string PartFileName(const std::string& name, const std::string& extension);

// Takes an output name: name, or the first free of name(1), name(2), … (as
// UniqueFileName counts), where free means that neither the name nor its
// part file exists. It is taken by creating its part file, empty, so two
// programs converting into one folder never pick the same name, while the
// final name stays free until the output is done. When the part file cannot
// be created (a read-only folder) the name is returned all the same, and the
// writer meets the problem itself.
std::string ReserveOutputName(const std::string& name, const std::string& extension,
                              const std::string& folder);

// Gives the finished part file of `name` its final name, never over a file:
// when something took the name meanwhile, the next free one is used. Returns
// the name given, "" when the rename failed (errno says why; the part file
// then stays as it was).
std::string FinishOutputName(const std::string& name, const std::string& extension,
                             const std::string& folder);
