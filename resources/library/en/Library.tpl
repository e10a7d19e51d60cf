# The English library page. Each category is a parameter section (the menu
# beside the page) and a table on the page: a heading row, then one link row
# per document. Links are written capitalised, never in capitals, because the
# reference's letter case is copied onto the posted name.
#
# The first block and its first two paragraphs also style the rows: the
# heading takes the block's font, the links the first paragraph's font and
# indent, and the second paragraph's space before parts the link rows.
title: Library
footer: Paperwright template library

pages
  page
    block
      text: Document Library
      font: Arial
      size: 13
      bold: yes
      align: center
      space-before: 4
      paragraph
        text: >
          Choose a template below. It opens with sample values that you
          replace in the data panel on the right; use Library to come back
          here.
        size: 10
        first-indent: 3
        space-before: 4
      paragraph
        text: Every template is kept with the values you entered last.
        size: 10
        space-before: 1
    block
      space-before: 3
      paragraph
        text: >
          {TABLE:100%,0}{Heading:"Agreements"}
          {Filelink:"Agreements/Sales Agreement"}
          {Filelink:"Agreements/Service Agreement"}
          {Filelink:"Agreements/Non-Disclosure Agreement"}{:TABLE}
    block
      paragraph
        text: >
          {TABLE:100%,0}{Heading:"Personnel"}
          {Filelink:"Personnel/Employment Offer"}{:TABLE}
    block
      paragraph
        text: >
          {TABLE:100%,0}{Heading:"Forms"}
          {Filelink:"Forms/Power of Attorney"}
          {Filelink:"Forms/Invoice"}
          {Filelink:"Forms/Field Formats"}{:TABLE}

parameters
  section Agreements
    field About
      type: note
      caption: Contracts between two parties: sales, services and confidentiality.
  section Personnel
    field About
      type: note
      caption: Letters and contracts for employees.
  section Forms
    field About
      type: note
      caption: "One-page forms: a power of attorney and an invoice, and a page of every field format."
