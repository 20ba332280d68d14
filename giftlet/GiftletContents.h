#pragma once

#include "AppState.h"

#include <QByteArray>
#include <QString>

// The packaged form of the project folder: every page with bare picture names and a Next Page link to the
// page after it, and no picture that no page shows. The working project itself is changed.

// Rewrites the pages of `state.ProjectFolder` and deletes its unused pictures. Other files are left alone.
void GatherGiftletContents(const AppState& state);

// `pageText` with the Next Page link inserted before "</BODY>" when the page (numbered by its file name) is
// not the last of `pageCount` and does not hold the current link text already.
QByteArray AddNextPageLink(const AppState& state, const QString& pageFile, const QByteArray& pageText,
                           int pageCount);
