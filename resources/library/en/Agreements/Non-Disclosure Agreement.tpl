# Mutual or one-way non-disclosure agreement; the choice changes who is
# bound and hides the field that only one-way agreements need.
title: Non-Disclosure Agreement
footer: Non-Disclosure Agreement
page-numbers: yes

defaults block
  bold: yes
  space-before: 5
defaults paragraph
  align: justify
  space-before: 2

pages
  page
    block
      text: {IF Kind = "mutual" THEN "MUTUAL "}NON-DISCLOSURE AGREEMENT
      size: 13
      align: center
      space-before: 0
      paragraph
        text: >
          This Agreement is made on {IF Effective date THEN
          "<span style=white-space:nowrap>" long:Effective date "</span>" ELSE
          "______"} between {IF First party THEN First party ELSE "______"} and
          {IF Second party THEN Second party ELSE "______"}{IF Kind = "one-way"
          THEN ", where {IF disclosing party THEN disclosing party ELSE
          "______"} discloses and the other party receives Confidential
          Information"}.
        first-indent: 10
    block
      numbering: 1. restart
      text: CONFIDENTIAL INFORMATION
      paragraph
        numbering: 1.1.
        text: >
          Confidential Information means {IF purpose THEN purpose ELSE
          "______"}, and any information marked as confidential.
      paragraph
        numbering: 1.1.
        text: "It does not include information that:"
      paragraph
        numbering: (i)
        text: is or becomes public other than through a breach of this Agreement;
      paragraph
        numbering: (i)
        text: the receiving party already lawfully held.
    block
      numbering: 1.
      text: OBLIGATIONS
      paragraph
        numbering: 1.1.
        text: >
          {IF Kind = "mutual" THEN "Each party" ELSE "The receiving party"}
          shall keep the Confidential Information secret for
          {IF Years THEN figures:Years, " (" in words:Years ")" ELSE "______"}
          {IF Years = 1 THEN "year" ELSE "years"} from {IF Effective date THEN
          "<span style=white-space:nowrap>" long:Effective date "</span>" ELSE
          "______"}.
    block
      text: SIGNATURES
      paragraph
        text: >
          {TABLE:100%,4}{ROW:}{CELL:0,0,0,0,45%}{B:}{IF First party THEN First party ELSE "______"}{:B}{CELL:0,0,0,0,10%}{CELL:0,0,0,0,45%}{B:}{IF Second party THEN Second party ELSE "______"}{:B}
          {ROW:30}{CELL:0,0,1,0}{CELL:}{CELL:0,0,1,0}{:TABLE}
        align: left

parameters
  section Agreement
    field Kind
      type: choice
      caption: Kind of agreement
      value: mutual
      option mutual
        selected: yes
      option one-way
    field Disclosing party
      type: choice
      caption: Party that discloses
      value: {First party}
      option {First party}
        selected: yes
      option {Second party}
      hidden: yes
      condition: Kind = "mutual"
    field Effective date
      type: date
      caption: Effective date
      value: February 16, 2026
    field Years
      type: number
      unit: year
      caption: Years of confidentiality
      value: 3
  section Parties
    field First party
      type: text
      caption: First party
      value: Northwind Trading LLC
    field Second party
      type: text
      caption: Second party
      value: Tailspin Toys Corporation
    field Purpose
      type: memo
      caption: What is confidential
      value: the technical, commercial and financial information exchanged while the parties evaluate a joint product line
