# Employment offer letter with salary in words and an optional probation.
title: Employment Offer
footer: Employment Offer
page-numbers: no

defaults block
  bold: yes
  space-before: 5
defaults paragraph
  align: justify
  space-before: 3

pages
  page
    block
      text: {IF Company THEN Company ELSE "______"}
      size: 14
      align: center
      space-before: 0
      paragraph
        text: {IF company address THEN company address ELSE "______"}
        align: center
        size: 11
      paragraph
        text: {long:today}
        align: right
    block
      text: Offer of Employment
      paragraph
        text: Dear {IF Candidate THEN Candidate ELSE "______"},
        align: left
      paragraph
        text: >
          We are pleased to offer you the position of {IF position THEN
          position ELSE "______"} in our {IF department THEN department ELSE
          "______"} department, starting on {IF Start date THEN
          "<span style=white-space:nowrap>" long:Start date "</span>" ELSE
          "______"}.
      paragraph
        numbering: -
        text: >
          Salary: {IF Salary THEN currency:Salary " a year ("
          currency in words:Salary ")" ELSE currency:Salary " a year"}, paid
          monthly.
      paragraph
        numbering: -
        text: >
          Working hours:
          {IF Hours THEN figures:Hours, " (" in words:Hours ")" ELSE "______"}
          {IF Hours = 1 THEN "hour" ELSE "hours"} a week.
      paragraph
        numbering: -
        text: >
          {IF Probation = "no" THEN "No probation period applies." ELSE IF
          Probation months = 1 THEN "A probation period of 1 (one) month
          applies." ELSE IF Probation months THEN "A probation period of "
          figures:Probation months " (" in words:Probation months ") months applies."
          ELSE "A probation period of ______ months applies."}
      paragraph
        text: >
          Please confirm your acceptance by signing and returning a copy of
          this letter by {IF Reply by THEN "<span style=white-space:nowrap>"
          long:Reply by "</span>" ELSE "______"}.
      paragraph
        text: Sincerely,
        align: left
      paragraph
        text: {IF Signatory THEN Signatory ELSE "______"}
        align: left
        bold: yes

parameters
  section Company
    field Company
      type: text
      caption: Company
      value: Contoso Retail Inc.
    field Company address
      type: memo
      caption: Company address
      value: 400 Harbor Road, Boston, MA 02110
    field Signatory
      type: text
      caption: Signed by
      value: Laura Gomez, Head of People
  section Offer
    field Candidate
      type: text
      caption: Candidate
      value: Alex Morgan
    field Position
      type: pick
      caption: Position
      value: store manager
    field Department
      type: plain
      caption: Department
      value: retail operations
    field Start date
      type: date
      caption: Start date
      value: May 4, 2026
    field Reply by
      type: date
      caption: Reply by
      value: April 10, 2026
    field Salary
      type: number
      unit: money per year
      caption: Annual salary
      value: 62000
    field Currency
      type: choice
      caption: Currency
      value: US Dollars
      option US Dollars
        selected: yes
      option Euro
      option United Kingdom Pounds
    field Hours
      type: number
      unit: hour
      caption: Hours a week
      value: 40
    field Probation
      type: choice
      caption: Probation period
      value: yes
      option yes
        selected: yes
      option no
    field Probation months
      type: number
      unit: month
      caption: Probation in months
      value: 3
      condition: Probation = "no"
