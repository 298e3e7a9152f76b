#pragma once

#include "decorationlayer.h"
#include "tagverdicts.h"

#include <QTimer>

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

    QTimer m_settle;
    std::vector<Placed> m_tags;
};
