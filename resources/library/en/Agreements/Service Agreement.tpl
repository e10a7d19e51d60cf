# Service Agreement: a provider performs services for a client for a fee,
# with sections numbered in Roman numerals and lettered sub-clauses.
title: Service Agreement
footer: Service Agreement
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
      text: SERVICE AGREEMENT
      size: 13
      align: center
      space-before: 0
      paragraph
        text: >
          {IF Place THEN Place ELSE "______"}, {IF Start date THEN
          long:Start date ELSE "______"}
        align: right
      paragraph
        text: >
          {IF Provider THEN Provider ELSE "______"} (the "Provider") and
          {IF Client THEN Client ELSE "______"} (the "Client") agree as
          follows.
        first-indent: 10
    block
      numbering: I. restart
      text: SERVICES
      paragraph
        numbering: 1.
        text: >
          The Provider shall perform the following services: {IF services THEN
          services ELSE "______"}.
      paragraph
        numbering: 1.
        text: >
          The services start on {IF Start date THEN
          "<span style=white-space:nowrap>" long:Start date "</span>" ELSE
          "______"} and are completed within {IF Duration days THEN
          figures:Duration days, " (" in words:Duration days ")" ELSE "______"}
          {IF Duration days = 1 THEN "day" ELSE "days"}{End date = Start date
          + Duration days}{IF Duration days AND End date THEN ", that is by
          <span style=white-space:nowrap>" long:End date "</span>"}.
    block
      numbering: I.
      text: FEES
      paragraph
        numbering: 1.
        text: >
          The Client shall pay a fee of {IF Fee THEN
          currency:Fee " (" currency in words:Fee ")" ELSE currency:Fee}{IF
          Expenses THEN ", plus documented
          expenses" ELSE ", which covers all expenses"}.
      paragraph
        numbering: 1.
        text: >
          Invoices are payable within {IF Payment days THEN
          figures:Payment days, " (" in words:Payment days ")" ELSE "______"}
          {IF Payment days = 1 THEN "day" ELSE "days"} of receipt.
    block
      numbering: I.
      text: TERMINATION
      paragraph
        numbering: 1.
        text: "Either party may end this Agreement:"
      paragraph
        numbering: i.
        text: >
          by {IF Notice days THEN
          figures:Notice days, " (" in words:Notice days ")" ELSE "______"}
          {IF Notice days = 1 THEN "day's" ELSE "days'"} written notice to the
          other party; or
      paragraph
        numbering: i.
        text: at once, if the other party materially breaches it.
    block
      text: SIGNATURES
      paragraph
        text: >
          {TABLE:100%,4}{ROW:}{CELL:0,0,0,0,45%,,,BOLD}Provider{CELL:0,0,0,0,10%}{CELL:0,0,0,0,45%,,,BOLD}Client
          {ROW:}{CELL:}{IF Provider THEN Provider ELSE "______"}{CELL:}{CELL:}{IF Client THEN Client ELSE "______"}
          {ROW:30}{CELL:0,0,1,0}{CELL:}{CELL:0,0,1,0}{:TABLE}
        align: left

parameters
  section Parties
    field Provider
      type: text
      caption: Service provider
      value: Bluebird Consulting Ltd
    field Client
      type: text
      caption: Client
      value: Fabrikam Manufacturing Inc.
    field Place
      type: plain
      caption: Place of signing
      value: Chicago
    field Start date
      type: date
      caption: Start of the services
      value: April 1, 2026
  section Services
    field Services
      type: memo
      caption: Services
      value: an audit of the Client's warehouse processes and a written report with recommendations
    field Duration days
      type: number
      unit: day
      caption: Duration in days
      value: 45
    field Fee
      type: number
      unit: money
      caption: Fee
      value: 18500
    field Currency
      type: choice
      caption: Currency
      value: US Dollars
      option US Dollars
        selected: yes
      option Euro
      option United Kingdom Pounds
    field Expenses
      type: options
      caption: Expenses
      value: reimbursed
      option reimbursed
        selected: yes
    field Payment days
      type: number
      unit: day
      caption: Payment term in days
      value: 30
    field Notice days
      type: number
      unit: day
      caption: Notice period in days
      value: 14
