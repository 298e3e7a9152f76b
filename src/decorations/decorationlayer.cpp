#include "decorationlayer.h"

void DecorationLayer::postChanged(const PostChange &) { }

QString DecorationLayer::postText() const
{
    return m_postText ? m_postText() : QString();
}

void DecorationLayer::setPostTextSource(std::function<QString()> source)
{
    m_postText = std::move(source);
}
