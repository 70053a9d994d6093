#pragma once

#include <QByteArrayView>
#include <QString>

// The readable text of an HTML fragment as a clipboard carries it: tags dropped, entities
// decoded, white space collapsed as a browser would, block elements on lines of their own.
// Nothing is loaded: images, style sheets and links stay names, so a copy can never make us
// fetch or open anything. Pure; callable from any thread.
namespace HtmlText {

// UTF-8 unless the bytes start with a UTF-16 byte order mark (or look like UTF-16 without one).
QString plainText(QByteArrayView html);

} // namespace HtmlText
