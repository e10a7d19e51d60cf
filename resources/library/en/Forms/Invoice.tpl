# Invoice for hours of work and an optional travel charge, with the sums
# worked out in the text.
title: Invoice
footer: Invoice
page-numbers: no

defaults paragraph
  space-before: 2

pages
  page
    block
      text: >
        INVOICE {IF Number THEN номер:Number ELSE "No.{}______"}
      size: 14
      bold: yes
      align: right
      space-before: 0
      paragraph
        text: >
          Date{}{IF Invoice date THEN long:Invoice date ELSE "______"}{/}Due{}{IF
          Due date THEN long:Due date ELSE "______"}
        align: right
      paragraph
        text: >
          {TABLE:100%,2}{ROW:}{CELL:0,0,0,0,50%,,,BOLD}From{CELL:0,0,0,0,50%,,,BOLD}Bill to
          {ROW:}{CELL:}{IF Supplier THEN Supplier ELSE "______"}{/}{IF supplier address THEN supplier address ELSE "______"}{CELL:}{IF Customer THEN Customer ELSE "______"}{/}{IF customer address THEN customer address ELSE "______"}{:TABLE}
        space-before: 8
    block
      space-before: 8
      paragraph
        text: >
          {Work = Hours * Rate}{Total = Work + Travel}{TABLE:100%,3}
          {ROW:}{#808080#E0E0F0 CELL:0,0,1,0,60%,,,BOLD}Description{#808080#E0E0F0 CELL:0,0,1,0,10%,,,BOLD RIGHT}Hours{#808080#E0E0F0 CELL:0,0,1,0,15%,,,BOLD RIGHT}Rate{#808080#E0E0F0 CELL:0,0,1,0,15%,,,BOLD RIGHT}Amount
          {ROW:}{CELL:}{IF service THEN service ELSE "______"}{CELL:0,0,0,0,,,,RIGHT}{IF Hours THEN Hours ELSE "______"}{CELL:0,0,0,0,,,,RIGHT}{currency:Rate}{CELL:0,0,0,0,,,,RIGHT}{IF Hours AND Rate AND Work THEN currency:Work ELSE "______"}
          {IF Travel THEN "{ROW:}{CELL:}travel expenses{CELL:}{CELL:}{CELL:0,0,0,0,,,,RIGHT}" currency:Travel}
          {ROW:}{CELL:0,0,0,0,,3,,BOLD RIGHT}Total due{CELL:0,0,0,0,,,,BOLD RIGHT}{IF Hours AND Rate AND Work AND Total THEN currency:Total ELSE "______"}{:TABLE}
      paragraph
        text: >
          Amount in words: {IF Hours AND Rate AND Work AND Total THEN currency in words:Total ELSE
          "______"}.
        space-before: 6
      paragraph
        text: >
          Please pay to {IF Account THEN account:Account ELSE "account
          ______"}{Days =
          Due date - Invoice date}{IF Invoice date AND Due date AND Days > 0
          THEN " within " Days " {IF Days = 1 THEN "day" ELSE "days"}," ELSE IF
          NOT (Invoice date AND Due date) THEN " within ______ days,"} by
          {IF Due date THEN "<span style=white-space:nowrap>" long:Due date
          "</span>" ELSE "______"}.
        align: justify

parameters
  section Invoice
    field Number
      type: plain
      caption: Invoice number
      value: INV-0042
    field Invoice date
      type: date
      caption: Invoice date
      value: 3/31/2026
    field Due date
      type: date
      caption: Due date
      value: 4/30/2026
    field Currency
      type: choice
      caption: Currency
      value: Euro
      option US Dollars
      option Euro
        selected: yes
      option United Kingdom Pounds
    field Account
      type: text
      caption: Bank account
      value: DE89 3704 0044 0532 0130 00
  section Work
    field Service
      type: memo
      caption: Work done
      value: software maintenance, March 2026
    field Hours
      type: number
      unit: hour
      caption: Hours
      value: 32
    field Rate
      type: number
      caption: Rate per hour
      value: 85
    field Travel
      type: number
      caption: Travel cost (leave empty for none)
      value: 120
  section Parties
    field Supplier
      type: text
      caption: Supplier
      value: Bluebird Consulting Ltd
    field Supplier address
      type: memo
      caption: Supplier's address
      value: 8 Canal Street, Chicago, IL 60606
    field Customer
      type: text
      caption: Customer
      value: Fabrikam Manufacturing Inc.
    field Customer address
      type: memo
      caption: Customer's address
      value: 1 Mill Lane, Dayton, OH 45402
