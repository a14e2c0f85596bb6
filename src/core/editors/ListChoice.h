// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The selection of a list whose item index is stored (codecs, types, frame
// rates, sample rates, channels). A stored index past the end of the list
// leaves the list without selection, and is written back as it was unless the
// user picks an item, so a hand-edited profile loses nothing by passing
// through an editor.
struct TListChoice {
  int Index = -1;  // -1: no selection
  int Stored = 0;

  void Load(int stored, int count) {
    Stored = stored;
    Index = stored >= 0 && stored < count ? stored : -1;
  }
  int Saved() const { return Index >= 0 ? Index : Stored; }
};
