#pragma once

#include "decorationlayer.h"
#include "tagverdicts.h"

#include <QStringView>
#include <QTimer>

#include <functional>
#include <vector>

// Colours the tags the preview converts and their values, and puts a warning
// with an explanation on tags it leaves as text or fails on. The verdicts come
// from the converter (TagVerdicts), read again over the whole post a moment
// after the writer stops typing; until then the tags keep their verdicts and
// move with the text around them.
class TagLayer : public DecorationLayer
{
    Q_OBJECT

public:
    // How long after the last edit the post is read again, in milliseconds.
    static constexpr int settleTime = 150;

    explicit TagLayer(QObject *parent = nullptr);

    void decorate(const DecorationLine &line, QList<Decoration> &out) const override;
    void postChanged(const PostChange &change) override;

    // Reads the post now rather than after the pause.
    void analyseNow();

    // A second opinion on the preview's verdicts (the forum the post is written
    // for): it may add notes and tags, and leaves them in order of position.
    // Setting one shows its notes at once, without reading the post again
    // when the verdicts are those of the post as it is; none: no notes.
    using Review = std::function<void(QStringView post, std::vector<TagVerdicts::Tag> &tags)>;
    void setReview(Review review);
    bool isAnalysing() const { return m_settle.isActive(); }

signals:
    // The verdicts shown are those of the post as it is now.
    void analysed();

private:
    struct Placed
    {
        TagVerdicts::Tag tag;
        int line = 0;
    };

    // Places the preview's verdicts with the review's notes, and has the lines
    // whose tags changed drawn again.
    void show(const QString &post);

    QTimer m_settle;
    std::vector<Placed> m_tags;
    std::vector<TagVerdicts::Tag> m_verdicts; // the preview's, of the post last read
    Review m_review;
};
