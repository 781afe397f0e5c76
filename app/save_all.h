// Saving everything: the one place that writes the notes file and then the settings file.
#pragma once

// recordsToSave := noteCount, then the notes file, then the settings file.
void SaveAll();
