#pragma once

#include "decorations/tagverdicts.h"
#include "forums/forumprofiles.h"

#include <QStringView>

#include <vector>

// What the target forum will do with a post, told beside what the preview does:
// the tags it shows as text, the values it reads otherwise, and the tags it
// accepts that the preview leaves as text. The preview's verdicts stay as they
// are; the forum's word goes into each tag's note.
namespace ForumReview {

// Adds the forum's notes to the preview's `tags` of `post`, and the tags only
// the forum knows; leaves them in ascending order of position.
void review(const ForumProfile &profile, QStringView post, std::vector<TagVerdicts::Tag> &tags);

// The size in points a forum shows [size=N] at, and the size the preview shows it at.
double forumPoints(ForumProfile::SizeUnit unit, int value);
double previewPoints(int value);

} // namespace ForumReview
