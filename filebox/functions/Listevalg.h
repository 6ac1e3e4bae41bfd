#pragma once

#include <QPoint>
#include <cstddef>

// What the file box's logic asks of the list that shows its nodes: which rows
// are chosen, and the few things only the view can do with a row.
class Listevalg
{
public:
    virtual ~Listevalg() = default;

    // The selected node: the current one when it is selected, else the first selected; -1 for none.
    virtual int valgt() const = 0;
    // The current node, selected or not; -1 for none.
    virtual int aktuel() const = 0;
    virtual bool erValgt(int i) const = 0;
    virtual int antalValgte() const = 0;
    // Makes node i the current and only selected node; -1 clears the selection.
    virtual void vaelg(int i) = 0;
    // Every node selected, or each node's selection turned over.
    virtual void vaelgAlle() = 0;
    virtual void vendValg() = 0;
    // The node at a point of the list, -1 for none.
    virtual int nodeVed(const QPoint& sted) const = 0;
    // Starts editing node i's text in place.
    virtual void redigerTekst(int i) = 0;
    // Scrolls to the first node.
    virtual void tilToppen() = 0;
    // At least as many rows as the list shows at once; 0 while it is not shown.
    virtual std::size_t skaermfuld() const = 0;
    // Paints what the list holds now, before the caller goes on.
    virtual void tegnNu() = 0;
};
