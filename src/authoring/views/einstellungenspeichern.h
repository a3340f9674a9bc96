#pragma once
// The settings file written after an editor's OK.
namespace authoring {

class Bearbeitungskontext;

// On a read-only data root nothing is written and nothing said: the values stay in the
// table for the rest of the run. A write that fails is reported; the old file stays
// whole. True when the file was written.
bool EinstellungenSpeichern(Bearbeitungskontext &kontext);

} // namespace authoring
