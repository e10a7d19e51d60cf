# Sales Agreement: the English start document. It uses every kind of field
# the data panel offers, conditional text, numbered clauses and the date and
# money formats.
title: Sales Agreement
footer: Sales Agreement
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
      text: >
        SALES AGREEMENT {IF Agreement number THEN номер:Agreement number ELSE
        "No.{}______"}
      size: 13
      align: center
      space-before: 0
      paragraph
        text: {Logo}
        align: center
      paragraph
        text: >
          {IF Place THEN Place ELSE "______"}{|}{|}{|}{|}{|}{|}{|}{|}{IF
          Agreement date THEN long:Agreement date ELSE "______"}
        align: right
      paragraph
        text: >
          This Agreement is made on {IF Agreement date THEN "the "
          day th:Agreement date " day of " month in words:Agreement date ", "
          year:Agreement date ELSE "______"} between
          {IF Seller THEN Seller ELSE "______"}{IF Seller representative THEN
          ", represented by " Seller representative ELSE IF NOT Seller THEN
          ", represented by ______"} (the "Seller"), and
          {IF Buyer THEN Buyer ELSE "______"}, {IF buyer address THEN
          buyer address ELSE "______"} (the "Buyer").
        first-indent: 10
    block
      numbering: 1. restart
      text: SUBJECT OF THE AGREEMENT
      paragraph
        numbering: 1.1.
        text: >
          The Seller shall sell and the Buyer shall buy the following goods
          (the "Goods"): {IF goods THEN goods ELSE "______"}.
      paragraph
        numbering: 1.1.
        text: >
          Quantity:
          {IF Quantity THEN figures:Quantity, " (" in words:Quantity ")" ELSE "______"}
          {IF Quantity = 1 THEN "unit" ELSE "units"} at
          {IF Price THEN currency:Price " (" currency in words:Price ")"
          ELSE currency:Price} per unit.{Total = Quantity * Price}
      paragraph
        numbering: 1.1.
        text: >
          The total price is {IF Quantity AND Price AND Total THEN currency:Total " ("
          currency in words:Total ")" ELSE "______"}, payable in {IF Currency = "Euro" THEN "euros" ELSE IF Currency =
          "United Kingdom Pounds" THEN "pounds sterling" ELSE "US dollars"}.
    block
      numbering: 1.
      text: DELIVERY
      paragraph
        numbering: 1.1.
        text: >
          {IF Delivery = "Seller delivers" THEN "The Seller shall deliver the
          Goods at its own cost to {IF delivery address THEN delivery address
          ELSE "______"}" ELSE "The Buyer shall collect the Goods from the
          Seller's warehouse"} no later than {Delivery by = Agreement date +
          30}{IF Delivery by THEN "<span style=white-space:nowrap>"
          long:Delivery by "</span>" ELSE "______"}.
      paragraph
        numbering: 1.1.
        text: >
          Title and risk pass to the Buyer when the Goods are
          {IF Delivery = "Seller delivers" THEN "delivered" ELSE "collected"}.
    block
      numbering: 1.
      text: PAYMENT
      paragraph
        numbering: 1.1.
        text: >
          The Buyer shall pay the total price {IF Payment terms THEN "as
          follows." ELSE "on the terms the parties agree in writing."}
      paragraph
        numbering: a)
        text: >
          {IF payment terms < "advance" THEN "An advance of 30% of the total
          price is paid within five days of signing."}
      paragraph
        numbering: a)
        text: >
          {IF payment terms < "on delivery" AND payment terms < "advance"
          THEN "What remains due is paid on delivery of the Goods."
          ELSE IF payment terms < "on delivery"
          THEN "The total price is paid on delivery of the Goods."}
      paragraph
        numbering: a)
        text: >
          {IF payment terms < "letter of credit" THEN "The Buyer's bank opens
          an irrevocable letter of credit in favor of the Seller."}
    block
      numbering: 1.
      text: WARRANTY
      paragraph
        numbering: 1.1.
        text: >
          The Seller warrants the Goods for {IF Warranty months THEN
          figures:Warranty months, " (" in words:Warranty months ")" ELSE "______"}
          {IF Warranty months = 1 THEN "month" ELSE "months"} from
          {IF Delivery = "Seller delivers" THEN "delivery" ELSE "collection"}.
    block
      numbering: 1.
      text: GOVERNING LAW
      paragraph
        numbering: 1.1.
        text: >
          This Agreement is governed by {IF governing law THEN the laws
          of:governing law ELSE "the laws of ______"}.
      paragraph
        numbering: 1.1.
        text: >
          Signed in two copies on {IF Agreement date THEN "the "
          day th:Agreement date " day of " month in words:Agreement date ", "
          year:Agreement date ELSE "______"}.
    block
      text: SIGNATURES
      paragraph
        text: >
          {TABLE:100%,4}{ROW:}{CELL:0,0,0,0,45%,,,BOLD}Seller{CELL:0,0,0,0,10%}{CELL:0,0,0,0,45%,,,BOLD}Buyer
          {ROW:}{CELL:}{IF Seller THEN Seller ELSE "______"}{CELL:}{CELL:}{IF Buyer THEN Buyer ELSE "______"}
          {ROW:30}{CELL:0,0,1,0}{CELL:}{CELL:0,0,1,0}
          {ROW:}{CELL:}{IF Seller representative THEN Seller representative ELSE IF Seller THEN Seller ELSE "______"}{CELL:}{CELL:}{IF Buyer signatory THEN Buyer signatory ELSE IF Buyer THEN Buyer ELSE "______"}{:TABLE}
        align: left

parameters
  section Agreement
    field Agreement number
      type: plain
      caption: Agreement number
      value: 2026-014
    field Agreement date
      type: date
      caption: Date of the agreement
      value: March 2, 2026
    field Place
      type: text
      caption: Place of signing
      value: New York
    field Logo
      type: image
      caption: Company logo (optional)
      width: 30
  section Parties
    field Seller
      type: text
      caption: Seller
      value: Northwind Trading LLC
    field Seller representative
      type: text
      caption: Signing for the Seller
      value: Jane Miller, Managing Director
    field Buyer
      type: text
      caption: Buyer
      value: Contoso Retail Inc.
    field Buyer address
      type: memo
      caption: Buyer's address
      value: 400 Harbor Road, Boston, MA 02110
    field Buyer signatory
      type: text
      caption: Signing for the Buyer
      value: Robert Chen, Purchasing Manager
  section Goods
    field Goods
      type: memo
      caption: Description of the goods
      value: office chairs, model ErgoLine 300, color graphite
    field Quantity
      type: number
      unit: piece
      caption: Quantity
      value: 120
    field Price
      type: number
      caption: Price per unit
      value: 45.50
    field Currency
      type: choice
      caption: Currency
      value: US Dollars
      option US Dollars
        selected: yes
      option Euro
      option United Kingdom Pounds
  section Terms
    field About terms
      type: note
      caption: Delivery and payment. The delivery address is asked for only when the Seller delivers.
    field Delivery
      type: choice
      caption: Delivery
      value: Seller delivers
      option Seller delivers
        selected: yes
      option Buyer collects
    field Delivery address
      type: plain
      caption: Delivery address
      value: 12 Dock Street, Boston, MA 02109
      condition: Delivery = "Buyer collects"
    field Payment terms
      type: options
      caption: Payment
      value: advance on delivery
      option advance
        selected: yes
      option on delivery
        selected: yes
      option letter of credit
    field Warranty months
      type: number
      unit: month
      caption: Warranty in months
      value: 12
    field Governing law
      type: pick
      caption: Governing law
      value: the State of New York
