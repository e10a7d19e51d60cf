# Field Formats: every format a date, a number or an amount of money can be
# written in, each shown beside its keyword, so that the library also
# teaches how to write a template. A test checks that every keyword of the
# engine appears in this page or in its Russian twin; the formal date has a
# Russian keyword only, so it is shown there and not here.
title: Field Formats
footer: Field Formats
page-numbers: no

defaults block
  bold: yes
  space-before: 5
defaults paragraph
  align: left
  space-before: 1

pages
  page
    block
      text: FIELD FORMATS
      size: 13
      align: center
      space-before: 0
      paragraph
        text: >
          This page shows every format a field can be written in. In a
          template the format comes before the field's name, with a colon
          between them, inside braces; each line below names the format and
          shows what it makes of the value in the data panel.
        align: justify
        space-before: 3
    block
      text: "Dates: {Date}"
      paragraph
        numbering: -
        text: "long: {long:Date}"
      paragraph
        numbering: -
        text: "short: {short:Date}"
      paragraph
        numbering: -
        text: "in words: {in words:Date}"
      paragraph
        numbering: -
        text: >
          day: {day:Date}; dayth or day th: {dayth:Date}, {day th:Date};
          month: {month:Date}; month in words: {month in words:Date}; year:
          {year:Date}
      paragraph
        numbering: -
        text: "thirty days later, a date plus a number of days: {Later = Date + 30}{long:Later}"
    block
      text: "Numbers: {Number}"
      paragraph
        numbering: -
        text: "in words: {in words:Number}"
      paragraph
        numbering: -
        text: "format, the digits grouped: {format:Number}"
      paragraph
        numbering: -
        text: "integer: {integer:Number}; fraction: {fraction:Number}"
      paragraph
        numbering: -
        text: >
          figures, the number without the words after it (6 of "6 months",
          2,250,000 of "$2.25 million"), for a template that writes its own
          noun: {figures:Number}
    block
      text: "Money: {Amount}, currency: {Currency}"
      paragraph
        numbering: -
        text: "currency: {currency:Amount}"
      paragraph
        numbering: -
        text: "currency in words: {currency in words:Amount}"
      paragraph
        numbering: -
        text: "the currency's code, written as currency abbreviation: {currency abbreviation}"
    block
      text: "How a value begins: {Reference}"
      paragraph
        numbering: -
        text: >
          ^= in a condition tests whether the value begins with one of the
          words after it, parted by commas, in any letter case, with or
          without the word's point, so that a word the template writes before
          the value is printed once: {IF Reference ^= "No" THEN Reference ELSE
          "No.{}" Reference}
      paragraph
        numbering: -
        text: >
          a document number with one sign before it, whatever was typed:
          {номер:Reference}
      paragraph
        numbering: -
        text: >
          a noun the template writes before the value, printed once however
          the value begins: {passport:Passport}; {account:Account}; {the laws
          of:Law}

parameters
  section Formats
    field About
      type: note
      caption: "Type other values here and watch each format follow them. In a template a format is written inside the braces, before the field's name and a colon."
    field Date
      type: date
      caption: Date
      value: March 2, 2026
    field Number
      type: number
      caption: Number
      value: 1234567.25
    field Amount
      type: number
      caption: Amount of money
      value: 2021.05
    field Currency
      type: choice
      caption: Currency
      value: US Dollars
      option US Dollars
        selected: yes
      option Euro
      option United Kingdom Pounds
      option Other
    field Reference
      type: text
      caption: "Reference, with or without its No."
      value: No. 12
    field Passport
      type: text
      caption: "Passport, with or without its noun"
      value: Passport No. 548213907
    field Account
      type: text
      caption: "Account, with or without its noun"
      value: Acct. 000123456789
    field Law
      type: text
      caption: "Governing law, with or without its words"
      value: New York law
    field other_currency
      type: text
      caption: "Other currency: its name, a blank, its hundredth (kronor öre)"
      value: kronor öre
      hidden: yes
      condition: NOT Currency = "Other"
    field other_currency_abbr
      type: plain
      caption: Other currency's code
      value: SEK
      hidden: yes
      condition: NOT Currency = "Other"
